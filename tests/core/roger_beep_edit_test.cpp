// The roger-beep editor's lists, its refusals, and the graph.
#include <gtest/gtest.h>

#include <initializer_list>

#include "app/context.h"
#include "channels/channel_edit.h"
#include "core/recording_channel_views.h"
#include "features/roger_beep_edit.h"
#include "features/roger_beep_rules.h"
#include "features/tone_graph.h"

using namespace zb;
using zb::test::RecordingChannelViews;

namespace {

// Exactly the listed sequences usable: one pass, tone 1 of 100 ms at 1000 Hz.
void MakeUsable(CodeplugData& data, std::initializer_list<int> sequences) {
    data.RogerBeepTones = {};
    for (int n : sequences) {
        data.RogerBeepTones[n - 1].RecycleTimes = 1;
        data.RogerBeepTones[n - 1].Tone[0] = {100, 10};
    }
}

class RogerBeepEditTest : public ::testing::Test {
protected:
    RogerBeepEditTest() {
        ctx.channelViews = &views;
        views.tableOpen = true;
        AddChannel(ctx, 1, 0, "28.100000");
        AddChannel(ctx, 2, 12, "25.100000");
    }
    RogerBeepRecord& Beep(int n) { return ctx.Doc.Data.RogerBeepTones[n - 1]; }
    ChannelRecord& Ch1() { return ctx.Doc.Channels[0][0]; }
    ChannelRecord& Ch2() { return ctx.Doc.Channels[0][12]; }

    AppContext ctx;
    RecordingChannelViews views;
};

}  // namespace

TEST_F(RogerBeepEditTest, LastUsableSequenceCannotBeSwitchedOff) {
    MakeUsable(ctx.Doc.Data, {3});
    const CodeplugData before = ctx.Doc.Data;

    EXPECT_FALSE(ChooseRecycleTimes(ctx, 3, 0));
    EXPECT_FALSE(ChooseToneLength(ctx, 3, 1, 0));
    EXPECT_EQ(ctx.Doc.Data, before);
    EXPECT_EQ(views.showRbCalls, 0);

    // Other changes of the last usable sequence go through.
    EXPECT_TRUE(ChooseRecycleTimes(ctx, 3, 4));
    EXPECT_EQ(Beep(3).RecycleTimes, 4);
    EXPECT_TRUE(ChooseToneLength(ctx, 3, 9, 20));
    EXPECT_TRUE(ChooseToneLength(ctx, 3, 1, 0));  // tone 9 still has a length
    EXPECT_EQ(Beep(3).Tone[0].ToneLength, 0);
    EXPECT_EQ(Beep(3).Tone[8].ToneLength, 20);
}

TEST_F(RogerBeepEditTest, LengthListsShowingZeroCountAsSilentForTheRefusal) {
    MakeUsable(ctx.Doc.Data, {3});
    Beep(3).Tone[5].ToneLength = 300;  // outside the list: it shows "0"
    EXPECT_FALSE(ChooseToneLength(ctx, 3, 1, 0));
    EXPECT_EQ(Beep(3).Tone[0].ToneLength, 10);
}

TEST_F(RogerBeepEditTest, SwitchingOffASequenceMovesItsChannelsToTheFirstUsable) {
    MakeUsable(ctx.Doc.Data, {3, 6});
    Ch1().RbTone = 2;  // sequence 3
    Ch2().RbTone = 5;  // sequence 6
    ctx.Doc.Data.VfoA.RbTone = 2;
    ctx.Doc.Data.VfoB.RbTone = 5;

    EXPECT_TRUE(ChooseToneLength(ctx, 3, 1, 0));
    EXPECT_EQ(Ch1().RbTone, 5);
    EXPECT_EQ(ctx.Doc.Data.VfoA.RbTone, 5);
    EXPECT_EQ(Ch2().RbTone, 5);
    EXPECT_EQ(views.showRbCalls, 1);

    // Sequence 3 usable again: nobody moves back, but the table is redrawn.
    EXPECT_TRUE(ChooseToneLength(ctx, 3, 1, 10));
    EXPECT_EQ(Ch1().RbTone, 5);
    EXPECT_EQ(views.showRbCalls, 2);

    // Sequence 6 off through its repeat count: its channels go to sequence 3.
    EXPECT_TRUE(ChooseRecycleTimes(ctx, 6, 0));
    EXPECT_EQ(Ch1().RbTone, 2);
    EXPECT_EQ(Ch2().RbTone, 2);
    EXPECT_EQ(ctx.Doc.Data.VfoB.RbTone, 2);
    EXPECT_EQ(views.showRbCalls, 3);
}

TEST_F(RogerBeepEditTest, SameValueChangesNothingAndTellsNobody) {
    MakeUsable(ctx.Doc.Data, {3});
    EXPECT_TRUE(ChooseRecycleTimes(ctx, 3, 1));
    EXPECT_TRUE(ChooseToneLength(ctx, 3, 1, 10));
    EXPECT_EQ(views.showRbCalls, 0);
}

TEST_F(RogerBeepEditTest, PauseAndFrequencyChangesAreNeverRefused) {
    MakeUsable(ctx.Doc.Data, {3});
    ChooseInterTime(ctx, 3, 255);
    ChooseToneFrequency(ctx, 3, 1, 0);   // "None"
    ChooseToneFrequency(ctx, 3, 14, 216);
    EXPECT_EQ(Beep(3).InterTime, 255);
    EXPECT_EQ(Beep(3).Tone[0].ToneFreq, 0);
    EXPECT_EQ(Beep(3).Tone[13].ToneFreq, 255);
    EXPECT_TRUE(IsSequenceUsable(ctx.Doc.Data, 3));
    EXPECT_EQ(views.showRbCalls, 0);

    // Numbers outside the window's lists change nothing.
    const CodeplugData before = ctx.Doc.Data;
    ChooseInterTime(ctx, 3, 256);
    ChooseInterTime(ctx, 9, 1);
    ChooseToneFrequency(ctx, 3, 15, 1);
    ChooseToneFrequency(ctx, 0, 1, 1);
    EXPECT_FALSE(ChooseToneLength(ctx, 3, 0, 1));
    EXPECT_FALSE(ChooseRecycleTimes(ctx, 3, 11));
    EXPECT_EQ(ctx.Doc.Data, before);
}

TEST(RogerBeepLists, ItemsAndTheItemShownForAStoredValue) {
    const auto repeat = RepeatListItems(kChinese);
    ASSERT_EQ(repeat.size(), 11u);
    EXPECT_EQ(repeat.front(), "关");
    EXPECT_EQ(repeat.back(), "10");
    const auto times = TimeListItems();
    ASSERT_EQ(times.size(), 256u);
    EXPECT_EQ(times[1], "10");
    EXPECT_EQ(times.back(), "2550");
    const auto freqs = FrequencyListItems(kEnglish);
    ASSERT_EQ(freqs.size(), 217u);
    EXPECT_EQ(freqs[0], "None");
    EXPECT_EQ(freqs[1], "400");
    EXPECT_EQ(freqs.back(), "2550");
    const auto codes = FrequencyCodeItems(kChinese);
    ASSERT_EQ(codes.size(), 256u);
    EXPECT_EQ(codes[0], "无");
    EXPECT_EQ(codes[20], "200");

    const struct {
        int code;
        int item;
    } frequencies[] = {{0, 0}, {20, 0}, {39, 0}, {40, 1}, {100, 61}, {255, 216}, {256, 0}, {-5, 0}};
    for (const auto& f : frequencies) {
        EXPECT_EQ(FrequencyItemOfCode(f.code), f.item) << f.code;
        if (f.item != 0) {
            EXPECT_EQ(FrequencyCodeOfItem(f.item), f.code);
            EXPECT_EQ(freqs[static_cast<size_t>(f.item)], codes[static_cast<size_t>(f.code)]);
        }
    }
    EXPECT_EQ(FrequencyCodeOfItem(0), 0);

    EXPECT_EQ(ShownTimeOrRepeatItem(10, kRepeatItems), 10);
    EXPECT_EQ(ShownTimeOrRepeatItem(11, kRepeatItems), 0);
    EXPECT_EQ(ShownTimeOrRepeatItem(-1, kTimeItems), 0);
    EXPECT_EQ(ShownTimeOrRepeatItem(255, kTimeItems), 255);
}

TEST(ToneGraph, BoxWidthsFollowLengthsAndHeightsFrequencies) {
    RogerBeepRecord beep;
    beep.Tone[0] = {128, 10};  // red, a quarter of the length, half the height
    beep.Tone[1] = {0, 0};     // no box
    beep.Tone[2] = {256, 30};  // red (tone 3), full height
    beep.Tone[3] = {64, 0};
    // Picture 1100 x 612: W = 1000, H = 512, T = 40.
    std::vector<GraphBox> boxes = ToneGraphBoxes(beep, 1100, 612);
    std::vector<GraphBox> expected = {{50, 562 - 256, 250, 256, true}, {300, 562 - 512, 750, 512, true}};
    EXPECT_EQ(boxes, expected);

    beep.Tone[3] = {192, 40};  // tone 4: blue; T = 80
    boxes = ToneGraphBoxes(beep, 1100, 612);
    expected = {{50, 562 - 256, 125, 256, true},
                {175, 562 - 512, 375, 512, true},
                {550, 562 - 384, 500, 384, false}};
    EXPECT_EQ(boxes, expected);
}

TEST(ToneGraph, RoundingAndEmptyGraphs) {
    RogerBeepRecord beep;
    EXPECT_TRUE(ToneGraphBoxes(beep, 1000, 1000).empty());
    beep.Tone[0].ToneFreq = 200;  // a frequency without a length draws nothing
    EXPECT_TRUE(ToneGraphBoxes(beep, 1000, 1000).empty());

    // Three equal tones on W = 100: 33.33 rounds to 33; heights 1 * 100 / 256 = 0.39 -> 0,
    // 2 * 100 / 256 = 0.78 -> 1.
    beep.Tone[0] = {1, 5};
    beep.Tone[1] = {2, 5};
    beep.Tone[2] = {1000, 5};  // damaged code: kept inside the picture
    const std::vector<GraphBox> boxes = ToneGraphBoxes(beep, 200, 200);
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].width, 33);
    EXPECT_EQ(boxes[1].x, 83);
    EXPECT_EQ(boxes[0].height, 0);
    EXPECT_EQ(boxes[1].height, 1);
    EXPECT_FALSE(boxes[1].red);
    EXPECT_EQ(boxes[2].height, 100);
    EXPECT_EQ(boxes[2].top, 50);
}
