// The port search: which combinations it tries, what it keeps, and how it ends.

#include <gtest/gtest.h>

#include "codeplug/image_codec.h"
#include "link/link_engine.h"
#include "link/link_texts.h"
#include "link/packets.h"
#include "link_fixture.h"

namespace zb {
namespace {

using test::LinkHarness;
using test::DocumentOf;
using test::SameDocument;
using test::kReadRangeEnd;
using test::FillRadio;





struct Combination {
    int port, handshaking, stopBits;
    bool operator==(const Combination&) const = default;
};

std::vector<Combination> Opens(const LinkHarness& h) {
    std::vector<Combination> out;
    for (const auto& s : h.line.opens) out.push_back({s.port, s.handshaking, s.stopBits});
    return out;
}

// Every combination of a port in search order.
void AddPort(std::vector<Combination>& v, int port, int count = 8) {
    for (int i = 0; i < count; ++i) v.push_back({port, i % 4, 1 + i / 4});
}

TEST(LinkPortSearch, FindsTheRadioOnTheThirdPortAndContinuesTheRead) {
    LinkHarness h;
    FillRadio(h.radio, 5);
    h.radio.SetBandFlags(true, false);
    h.line.present = {1, 2, 3};
    h.line.stations = {{LineSettings{3, 0, 2}, &h.radio}};
    ReadFromRadio(h.ctx);
    h.Run();

    std::vector<Combination> expected{{1, 0, 1}};  // the configured port
    AddPort(expected, 1);
    AddPort(expected, 2);
    AddPort(expected, 3, 5);
    EXPECT_EQ(Opens(h), expected);
    // Twice on the configured port, three probes on each of the 20 silent combinations, one
    // that is answered.
    EXPECT_EQ(h.radio.counters.programRequests, 1);
    EXPECT_EQ(static_cast<int>(std::count(h.line.written.begin(), h.line.written.end(), ProgramRequest())),
              2 + 20 * 3 + 1);
    EXPECT_EQ(h.ctx.settings.ComPort, 3);
    EXPECT_EQ(h.ctx.settings.Handshaking, 0);
    EXPECT_EQ(h.ctx.settings.StopBit, 2);
    EXPECT_EQ(h.views.shownPorts, std::vector<int>{3});
    EXPECT_EQ(h.views.ProgressCaption(), Text(h.ctx, msg::ReadCaption));
    EXPECT_EQ(h.Messages().back(), Text(h.ctx, msg::ReadCompleted));
    EXPECT_TRUE(SameDocument(h.ctx.Doc, DocumentOf(h.radio)));
    EXPECT_EQ(h.ctx.identity.BandText, kWideBandText);  // flags read from the radio found
}

TEST(LinkPortSearch, PassesARadioOfAnotherModelAndUsesTheRightOne) {
    LinkHarness h;
    sim::RadioSim other;
    other.model = "ZB999";
    FillRadio(h.radio, 5);
    h.line.present = {1, 2, 5};
    h.ctx.settings.ComPort = 5;  // present, but nothing answers there
    h.line.stations = {{LineSettings{1, 0, 1}, &other}, {LineSettings{2, 0, 1}, &h.radio}};
    ReadFromRadio(h.ctx);
    h.Run();

    EXPECT_EQ(h.ctx.settings.ComPort, 2);
    EXPECT_EQ(other.counters.readRequests, 0);
    EXPECT_EQ(h.Messages().back(), Text(h.ctx, msg::ReadCompleted));
    EXPECT_TRUE(SameDocument(h.ctx.Doc, DocumentOf(h.radio)));
}

TEST(LinkPortSearch, OnlyAnotherModelAnsweringEndsWithTheModelMessage) {
    LinkHarness h;
    sim::RadioSim other;
    other.model = "ZB999";
    h.line.present = {1, 2};
    h.line.stations = {{LineSettings{2, 1, 1}, &other}};
    const Codeplug before = h.ctx.Doc;
    ReadFromRadio(h.ctx);
    h.Run();

    EXPECT_EQ(h.ctx.settings.ComPort, 2);  // the fallback became the settings
    EXPECT_EQ(h.ctx.settings.Handshaking, 1);
    EXPECT_EQ(h.Messages(), (std::vector<std::string>{Text(h.ctx, msg::ReadQuestion), Text(h.ctx, msg::ModelError)}));
    EXPECT_TRUE(SameDocument(h.ctx.Doc, before));
    EXPECT_FALSE(h.line.IsOpen());
    EXPECT_EQ(h.ctx.link.CommMode, 0);
}

TEST(LinkPortSearch, NoRadioAnywhereAsksTheUserAndCancelEnds) {
    LinkHarness h;
    h.line.present = {1, 2};
    h.line.stations.clear();
    h.prompter().answers = {Answer::Ok, Answer::Cancel};
    WriteToRadio(h.ctx);
    h.Run();

    EXPECT_EQ(h.line.opens.size(), 1u + 16u);
    EXPECT_EQ(h.Messages(), (std::vector<std::string>{Text(h.ctx, msg::WriteQuestion), Text(h.ctx, msg::RetryQuestion)}));
    EXPECT_EQ(h.ctx.settings.ComPort, 1);  // nothing found, nothing stored
    EXPECT_TRUE(h.views.shownPorts.empty());
    EXPECT_EQ(h.views.ProgressCaption(), Text(h.ctx, msg::WriteCaption));
    EXPECT_FALSE(h.line.IsOpen());
    EXPECT_EQ(h.ctx.link.CommMode, 0);
}

TEST(LinkPortSearch, RetryAfterAFruitlessSearchTalksOnTheConfiguredPortAgain) {
    LinkHarness h;
    FillRadio(h.radio, 5);
    h.line.present = {1, 2};
    sim::RadioSim* radio = &h.radio;
    h.line.stations = {{LineSettings{1, 0, 1}, nullptr}};
    struct Attach : Prompter {  // the user plugs the cable in, then answers
        using Prompter::Ask;
        Attach(LinkHarness& h, sim::RadioSim* r) : h(h), r(r) {}
        Answer Ask(const Message& m) override {
            if (m.text == Text(h.ctx, msg::RetryQuestion)) h.line.stations[0].radio = r;
            return h.prompter().Ask(m);
        }
        LinkHarness& h;
        sim::RadioSim* r;
    } attach(h, radio);
    h.ctx.prompter = &attach;
    ReadFromRadio(h.ctx);
    h.Run();

    EXPECT_EQ(h.line.opens.back().port, 1);
    EXPECT_EQ(h.Messages().back(), Text(h.ctx, msg::ReadCompleted));
    EXPECT_TRUE(SameDocument(h.ctx.Doc, DocumentOf(h.radio)));
}

}  // namespace
}  // namespace zb
