// The group write: one image into several radios, one after the other on the same cable, and
// the number-of-radios dialog.

#include <gtest/gtest.h>

#include "link/link_engine.h"
#include "link/link_texts.h"
#include "link/packets.h"
#include "link/radio_count.h"
#include "link_fixture.h"

namespace zb {
namespace {

using test::LinkHarness;

// Swaps the radio on the cable: once a radio has acknowledged its end request, it is
// unplugged after 2 s and the next one plugged in 3 s later.
struct Swapper {
    Swapper(LinkHarness& h, std::vector<sim::RadioSim*> radios) : h(h), radios(std::move(radios)) {
        h.line.stations[0].radio = this->radios[0];
        h.line.onWrite = [this](const Bytes& p) {
            if (p != EndRequest() || next >= this->radios.size() - 1) return;
            const size_t following = ++next;
            this->h.clock.After(2000, [this] { this->h.line.stations[0].radio = nullptr; });
            this->h.clock.After(5000, [this, following] { this->h.line.stations[0].radio = this->radios[following]; });
        };
    }
    LinkHarness& h;
    std::vector<sim::RadioSim*> radios;
    size_t next = 0;
};

TEST(LinkGroup, WritesEveryRadioOnceAndReportsOnceAtTheEnd) {
    LinkHarness h;
    sim::RadioSim b, c;
    b.model = c.model = "XX";  // the identity check is skipped in a group write
    Swapper swapper(h, {&h.radio, &b, &c});
    SetGroupRadioCount(h.ctx, 3);
    WriteToGroup(h.ctx);
    h.Run();

    EXPECT_EQ(h.Messages(), (std::vector<std::string>{Text(h.ctx, msg::WriteQuestion), Text(h.ctx, msg::WriteCompleted)}));
    EXPECT_EQ(h.radio.counters.blocksReceived, 984);
    EXPECT_EQ(b.counters.blocksReceived, 985);  // the following radios also get the header block
    EXPECT_EQ(c.counters.blocksReceived, 985);
    EXPECT_TRUE(std::equal(h.ctx.Image.begin(), h.ctx.Image.begin() + 0x3D90, c.memory.begin()));
    EXPECT_EQ(h.views.lastKind, ProgressKind::Group);
    EXPECT_EQ(h.views.radioNumbers, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(std::count(h.views.percents.begin(), h.views.percents.end(), 0), 3);  // reset per radio
    EXPECT_EQ(h.views.closed, 1);
    EXPECT_FALSE(h.line.IsOpen());
    EXPECT_FALSE(h.ctx.groupWrite.GroupFlag);
}

TEST(LinkGroup, RadioLeftOnTheCableIsPolledButNotWrittenAgain) {
    LinkHarness h;
    SetGroupRadioCount(h.ctx, 2);
    WriteToGroup(h.ctx);
    h.clock.Run(120'000);

    EXPECT_EQ(h.radio.counters.blocksReceived, 984);
    EXPECT_EQ(h.radio.counters.identifyRequests, 1);
    EXPECT_GT(h.radio.counters.programRequests, 100);
    EXPECT_EQ(h.ctx.link.CommMode, 2);

    CloseGroupWindow(h.ctx);
    h.Run();
    EXPECT_EQ(h.Messages(), std::vector<std::string>{Text(h.ctx, msg::WriteQuestion)});
    EXPECT_FALSE(h.line.IsOpen());
    EXPECT_EQ(h.ctx.link.CommMode, 0);
}

TEST(LinkGroup, WithoutTheRadioCountDialogTheGroupEndsAfterOneRadio) {
    LinkHarness h;
    WriteToGroup(h.ctx);
    h.Run();
    EXPECT_EQ(h.radio.counters.blocksReceived, 984);
    EXPECT_EQ(h.Messages().back(), Text(h.ctx, msg::WriteCompleted));
}

// The user plugs the first radio in again when asked to check the connection.
struct ReplugOnQuestion : Prompter {
    using Prompter::Ask;
    explicit ReplugOnQuestion(LinkHarness& h) : h(h) {}
    Answer Ask(const Message& m) override {
        h.radio.faults.silent = false;
        return h.prompter().Ask(m);
    }
    LinkHarness& h;
};

// A radio that stops answering in the middle: OK starts it again from 0x0000, Cancel ends
// the whole group.
TEST(LinkGroup, LostRadioInTheMiddleAsksAndBothAnswersBehave) {
    for (Answer answer : {Answer::Ok, Answer::Cancel}) {
        SCOPED_TRACE(answer == Answer::Ok ? "OK" : "Cancel");
        LinkHarness h;
        sim::RadioSim b;
        Swapper swapper(h, {&h.radio, &b});
        int blocks = 0;
        auto swap = h.line.onWrite;
        h.line.onWrite = [&](const Bytes& p) {
            if (p[0] == 'W' && ++blocks == 300) h.radio.faults.silent = true;  // first radio drops out
            swap(p);
        };
        h.prompter().answers = {Answer::Ok, answer};
        ReplugOnQuestion replug(h);
        h.ctx.prompter = &replug;
        SetGroupRadioCount(h.ctx, 2);
        WriteToGroup(h.ctx);
        h.Run();

        const auto texts = h.Messages();
        ASSERT_GE(texts.size(), 2u);
        EXPECT_EQ(texts[1], Text(h.ctx, msg::RetryQuestion));
        if (answer == Answer::Ok) {
            EXPECT_EQ(texts.back(), Text(h.ctx, msg::WriteCompleted));
            EXPECT_EQ(b.counters.blocksReceived, 985);
            EXPECT_TRUE(std::equal(h.ctx.Image.begin(), h.ctx.Image.begin() + 0x3D90, h.radio.memory.begin()));
        } else {
            EXPECT_EQ(texts.size(), 2u);
            EXPECT_EQ(b.counters.programRequests, 0);
            EXPECT_FALSE(h.ctx.groupWrite.GroupFlag);
        }
        EXPECT_FALSE(h.line.IsOpen());
        EXPECT_EQ(h.ctx.link.CommMode, 0);
    }
}

}  // namespace
}  // namespace zb

namespace zb {
namespace {

TEST(LinkRadioCount, KeyFilterAndCount) {
    struct Key {
        int in, out;
    } keys[] = {{'7', '7'}, {'#', '#'}, {'*', '*'}, {'C', 'C'}, {'c', 'C'}, {'e', 0}, {'E', 0},
                {' ', 0},   {'-', 0},   {8, 8},     {3, 0},     {22, 0},    {24, 0},  {200, 0}};
    for (const auto& k : keys) EXPECT_EQ(FilterRadioCountKey(k.in), k.out) << k.in;

    struct Count {
        const char* text;
        std::optional<int> count;
    } counts[] = {{"10", 10}, {"1", 1}, {"999", 999}, {"0", std::nullopt}, {"", std::nullopt},
                  {"1#", std::nullopt}, {"AB", std::nullopt}, {"1000", std::nullopt}};
    for (const auto& c : counts) EXPECT_EQ(RadioCountOf(c.text), c.count) << c.text;

    AppContext ctx;
    EXPECT_FALSE(ConfirmRadioCount(ctx, "*"));
    EXPECT_FALSE(ctx.groupWrite.GroupFlag);
    EXPECT_TRUE(ConfirmRadioCount(ctx, "3"));
    EXPECT_TRUE(ctx.groupWrite.GroupFlag);
    EXPECT_EQ(ctx.link.group.radioCount, 3);
    EXPECT_EQ(ctx.link.group.radioNumber, 1);
}

}  // namespace
}  // namespace zb
