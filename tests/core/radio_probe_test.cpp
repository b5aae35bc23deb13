// Asking the radio who it is: what goes on the line, and how a silent line, a line of garbage,
// a radio of another model and a radio that stops half-way are told apart.
#include <gtest/gtest.h>

#include <optional>

#include "core/link_fixture.h"
#include "link/cable_doctor.h"
#include "link/packets.h"
#include "link/radio_probe.h"

using namespace zb;

namespace {

struct Probed {
    std::optional<ProbeResult> result;
    std::vector<Bytes> written;
    bool lineOpen = true;
};

Probed Probe(test::LinkHarness& h, LineSettings settings = {1, 0, 1}) {
    Probed p;
    {
        RadioProbe probe(h.ctx);
        probe.Start(settings, [&p](const ProbeResult& r) { p.result = r; });
        h.Run();
    }
    p.written = h.line.written;
    p.lineOpen = h.line.IsOpen();
    return p;
}

const Bytes kExchange[] = {ProgramRequest(), IdentifyRequest(), Acknowledge(), EndRequest()};

}  // namespace

TEST(RadioProbe, RadioThatAnswersIsIdentifiedAndTheExchangeEnded) {
    test::LinkHarness h;
    const Probed p = Probe(h);
    ASSERT_TRUE(p.result);
    EXPECT_EQ(p.result->outcome, ProbeOutcome::Answered);
    EXPECT_EQ(p.result->model, "ZB347");
    EXPECT_EQ(p.result->firmware, "V200");
    EXPECT_GE(p.result->programRoundTripMs, 0);
    EXPECT_GE(p.result->identifyRoundTripMs, 0);
    EXPECT_EQ(p.written, std::vector<Bytes>(std::begin(kExchange), std::end(kExchange)));
    EXPECT_FALSE(p.lineOpen);
    EXPECT_EQ(h.radio.counters.readRequests + h.radio.counters.blocksReceived, 0);  // memory untouched

    const Finding f = ProbeFinding(*p.result, "ZB347", kEnglish);
    EXPECT_EQ(f.kind, FindingKind::Ok);
    EXPECT_NE(f.text.find("the radio answered: model ZB347, firmware V200; round trip "), std::string::npos) << f.text;
}

TEST(RadioProbe, FailuresAreToldApart) {
    // Scripted answers of the far end to each packet (no simulated radio on the line).
    struct Case {
        const char* what;
        Bytes toProgram, toIdentify;
        ProbeOutcome outcome;
        std::string text;
        std::size_t packets;  // written in all
    };
    Bytes other = {'P', 'Z', 'B', '9', '9', '9', ' ', 0, 'V', '1', '0', '0', 0, 0};
    Bytes shortId = other;
    shortId.pop_back();  // XON/XOFF ate a byte: 13 bytes
    Bytes echo = ProgramRequest();
    echo.push_back(kAck);
    const std::vector<Case> cases = {
        {"silent line", {}, {}, ProbeOutcome::NoAnswer, "no answer to the program request", 2},
        {"garbage", {0xF8, 0x80, 0x00}, {}, ProbeOutcome::Garbage,
         "bytes that are not a reply came back (F8 80 00)", 1},
        {"echo of the request", echo, {}, ProbeOutcome::Garbage,
         "the line sends back what the program sends (50 52 4F 47 52 41 4D 06)", 1},
        {"another model", {kAck}, other, ProbeOutcome::OtherModel,
         "another model answered: model ZB999, firmware V100 (this program is for ZB347)", 4},
        {"identification cut short", {kAck}, shortId, ProbeOutcome::Garbage, "(50 5A 42 39", 3},
        {"no identification", {kAck}, {}, ProbeOutcome::NoIdentification,
         "acknowledged the program request but did not identify itself", 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::LinkHarness h;
        h.line.stations.clear();
        h.line.onWrite = [&](const Bytes& packet) {
            if (packet == ProgramRequest())  // a byte at a time, as a slow line brings them
                for (std::size_t i = 0; i < c.toProgram.size(); ++i) h.line.Deliver({c.toProgram[i]}, 1 + i);
            if (packet == IdentifyRequest()) h.line.Deliver(c.toIdentify, 1);
            if (packet == EndRequest() || packet == Acknowledge()) h.line.Deliver({kAck}, 1);
        };
        const Probed p = Probe(h);
        ASSERT_TRUE(p.result);
        EXPECT_EQ(p.result->outcome, c.outcome);
        EXPECT_EQ(p.written.size(), c.packets);
        if (c.packets > 2) {
            EXPECT_EQ(p.written.back(), EndRequest());  // the radio leaves program mode
        }
        EXPECT_FALSE(p.lineOpen);
        const Finding f = ProbeFinding(*p.result, "ZB347", kEnglish);
        EXPECT_EQ(f.kind, FindingKind::Problem);
        EXPECT_NE(f.text.find(c.text), std::string::npos) << f.text;
    }

    test::LinkHarness h;
    const Probed p = Probe(h, {5, 0, 1});  // no such port
    ASSERT_TRUE(p.result);
    EXPECT_EQ(p.result->outcome, ProbeOutcome::CannotOpen);
    EXPECT_NE(ProbeFinding(*p.result, "ZB347", kEnglish).text.find("the port did not open: no such port"),
              std::string::npos);
}
