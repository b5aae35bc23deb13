// Channel edits: creation, deletion, field changes, VFO rules, window notifications, group
// validity and the reset selection, also with damaged records.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "app/context.h"
#include "channels/channel_edit.h"
#include "codeplug/text_util.h"
#include "core/recording_channel_views.h"

using namespace zb;
using zb::test::RecordingChannelViews;

namespace {

// A document whose group g holds the given channel numbers in this order (28.5 MHz each).
struct EditFixture {
    AppContext ctx;
    RecordingChannelViews views;

    EditFixture() { ctx.channelViews = &views; }

    void Fill(int g, const std::vector<int>& chNos) {
        for (int ch : chNos) AddChannel(ctx, ch, g, "28.500000");
    }
    std::vector<int> ChNos(int g) const {
        std::vector<int> out;
        for (int i = 0; i < ctx.Doc.Data.Groups[g].ChannelCount; ++i) {
            out.push_back(ctx.Doc.Channels[i][g].ChNo);
        }
        return out;
    }
    ChannelRecord& Slot(int position, int g) { return ctx.Doc.Channels[position - 1][g]; }
    std::size_t Messages() const { return ctx.defaultPrompter.messages.size(); }
};

}  // namespace

TEST(EditChannelField, ReceiveFrequencyOnAnEmptyRowCreatesTheChannel) {
    EditFixture f;
    f.ctx.Doc.Data.CurrentGroup = 3;
    f.Slot(1, 3).Spare1 = 5;  // stale contents of the slot
    f.Slot(1, 3).RbTone = 6;
    EditChannelField(f.ctx, 7, kFieldRxFreq, "28.5");

    ASSERT_EQ(f.ChNos(3), std::vector<int>{7});
    const ChannelRecord& ch = f.Slot(1, 3);
    EXPECT_EQ(ch.Valid, 1);
    EXPECT_EQ(CleanText(ch.RxFreq), "28500000");
    EXPECT_EQ(CleanText(ch.TxFreq), "28500000");
    EXPECT_EQ(ch.Scan, 1);
    EXPECT_EQ(ch.DecTone + ch.EncTone + ch.Plus10k + ch.TsqFlag + ch.BusyFlag + ch.RbTone +
                  ch.RbLock + ch.RepEnable + ch.RepShift,
              0);
    EXPECT_EQ(ch.Spare1, 5);  // the spare integers are not touched
}

TEST(EditChannelField, NothingButAReceiveFrequencyCreatesAChannel) {
    const struct { int code; const char* value; } cases[] = {
        {kFieldTxFreq, "28.5"},
        {kFieldRxFreq, ""},
        {kFieldRxFreq, "31"},  // refused: warning, no channel
        {kFieldDecTone, "5"},
        {kFieldRbTone, "1"},
        {kFieldScan, "0"},
    };
    for (const auto& c : cases) {
        EditFixture f;
        f.ctx.Doc.Data.CurrentGroup = 3;
        f.Fill(3, {1});
        EditChannelField(f.ctx, 4, c.code, c.value);
        EXPECT_EQ(f.ChNos(3), std::vector<int>{1}) << c.code << " " << c.value;
    }
}

TEST(EditChannelField, RowsOutsideTheGroupCreateNoChannel) {
    for (int chNo : {0, 41, -1}) {
        EditFixture f;
        EditChannelField(f.ctx, chNo, kFieldRxFreq, "28.5");
        EXPECT_EQ(f.ctx.Doc.Data.Groups[0].ChannelCount, 0) << chNo;
    }
}

TEST(EditChannelField, ClearingTheReceiveFrequencyDeletesOnlyWhenAllowed) {
    const struct {
        int group;
        std::vector<int> before;
        int chNo;
        const char* value;
        std::vector<int> after;
    } cases[] = {
        {3, {1}, 1, "", {1}},              // the last channel stays
        {3, {9, 2}, 9, "", {9, 2}},        // channel 9 is never deleted
        {3, {19, 2}, 19, "", {19, 2}},     // nor channel 19
        {12, {2, 9}, 9, "", {2, 9}},
        {3, {1, 5, 7}, 5, "", {1, 7}},     // the gap closes
        {3, {1, 5, 7}, 7, "", {1, 5}},
        {3, {1, 5, 7}, 1, "", {5, 7}},
        {3, {1, 5, 7}, 5, "31", {1, 7}},   // out of range clears, which deletes
        {12, {3, 4}, 3, "23", {4}},
        {12, {3, 4}, 3, "27", {3, 4}},     // 27 MHz is inside band 1
        {3, {9, 5}, 9, "31", {9, 5}},
    };
    for (const auto& c : cases) {
        EditFixture f;
        f.ctx.Doc.Data.CurrentGroup = static_cast<int16_t>(c.group);
        f.Fill(c.group, c.before);
        EditChannelField(f.ctx, c.chNo, kFieldRxFreq, c.value);
        EXPECT_EQ(f.ChNos(c.group), c.after) << "group " << c.group << " ch " << c.chNo;
    }
}

TEST(EditChannelField, DeletedChannelLeavesTheSlotOutOfUseAsItWas) {
    EditFixture f;
    f.ctx.Doc.Data.CurrentGroup = 3;
    f.Fill(3, {1, 5, 7});
    f.Slot(3, 3).RbTone = 4;
    EditChannelField(f.ctx, 5, kFieldRxFreq, "");
    EXPECT_EQ(f.Slot(2, 3).ChNo, 7);
    EXPECT_EQ(f.Slot(2, 3).RbTone, 4);  // whole record moved
    EXPECT_EQ(f.Slot(3, 3).ChNo, 7);    // stale copy stays
}

TEST(EditChannelField, TransmitFrequencyClampsOrTakesTheReceiveFrequency) {
    const struct { const char* value; const char* tx; bool warned; } cases[] = {
        {"", "28500000", false},  // emptied: copy of the receive frequency
        {"29.1234", "29120000", false},
        {"30", "29700000", true},
        {"27", "28000000", true},
        {"x", "28000000", true},
    };
    for (const auto& c : cases) {
        EditFixture f;
        f.ctx.Doc.Data.CurrentGroup = 2;
        f.Fill(2, {4});
        f.Slot(1, 2).TxFreq.Set("29000000");
        EditChannelField(f.ctx, 4, kFieldTxFreq, c.value);
        EXPECT_EQ(CleanText(f.Slot(1, 2).TxFreq), c.tx) << c.value;
        EXPECT_EQ(CleanText(f.Slot(1, 2).RxFreq), "28500000") << c.value;
        EXPECT_EQ(f.Messages(), c.warned ? 1u : 0u) << c.value;
    }
}

TEST(EditChannelField, EmptiedTransmitFrequencyFollowsAReceiveFrequencyOfNone) {
    EditFixture f;
    f.Fill(0, {4});
    f.Slot(1, 0).RxFreq.Set("FFFFFFFF");
    EditChannelField(f.ctx, 4, kFieldTxFreq, "");
    EXPECT_EQ(CleanText(f.Slot(1, 0).TxFreq), "");
}

TEST(EditChannelField, VfoHasOnlyChannelOneAndKeepsItsReceiveFrequency) {
    const struct {
        int group;
        int chNo;
        int code;
        const char* value;
        const char* rx;
        const char* tx;
        int rbTone;
    } cases[] = {
        {kVfoAGroup, 1, kFieldRxFreq, "", "28100000", "29000000", 0},
        {kVfoAGroup, 1, kFieldRxFreq, "29.9", "28100000", "29000000", 0},  // refused
        {kVfoBGroup, 1, kFieldRxFreq, "29.9", "29900000", "29000000", 0},  // band 1
        {kVfoBGroup, 2, kFieldRxFreq, "29.9", "28100000", "29000000", 0},
        {kVfoAGroup, 1, kFieldTxFreq, "", "28100000", "28100000", 0},
        {kVfoAGroup, 1, kFieldTxFreq, "31", "28100000", "29700000", 0},
        {kVfoBGroup, 1, kFieldRbTone, "3", "28100000", "29000000", 3},
        {kVfoBGroup, 0, kFieldRbTone, "3", "28100000", "29000000", 0},
    };
    for (const auto& c : cases) {
        EditFixture f;
        for (ChannelRecord* vfo : {&f.ctx.Doc.Data.VfoA, &f.ctx.Doc.Data.VfoB}) {
            vfo->ChNo = 1;
            vfo->RxFreq.Set("28100000");
            vfo->TxFreq.Set("29000000");
        }
        f.ctx.Doc.Data.CurrentGroup = static_cast<int16_t>(c.group);
        EditChannelField(f.ctx, c.chNo, c.code, c.value);
        const ChannelRecord& vfo =
            c.group == kVfoAGroup ? f.ctx.Doc.Data.VfoA : f.ctx.Doc.Data.VfoB;
        const ChannelRecord& other =
            c.group == kVfoAGroup ? f.ctx.Doc.Data.VfoB : f.ctx.Doc.Data.VfoA;
        const std::string where =
            std::to_string(c.group) + " ch " + std::to_string(c.chNo) + " " + c.value;
        EXPECT_EQ(CleanText(vfo.RxFreq), c.rx) << where;
        EXPECT_EQ(CleanText(vfo.TxFreq), c.tx) << where;
        EXPECT_EQ(vfo.RbTone, c.rbTone) << where;
        EXPECT_EQ(CleanText(other.RxFreq), "28100000") << where;
        EXPECT_EQ(CleanText(other.TxFreq), "29000000") << where;
    }
}

TEST(SetChannelField, IntegerFieldsTakeOnlyValuesInTheirRange) {
    const struct { int code; const char* value; int16_t ChannelRecord::*field; int expected; } cases[] = {
        {kFieldDecTone, "264", &ChannelRecord::DecTone, 264},
        {kFieldDecTone, "265", &ChannelRecord::DecTone, 9},
        {kFieldEncTone, "51", &ChannelRecord::EncTone, 51},
        {kFieldEncTone, "-1", &ChannelRecord::EncTone, 9},
        {kFieldPlus10k, "1", &ChannelRecord::Plus10k, 1},
        {kFieldTsqFlag, "2", &ChannelRecord::TsqFlag, 9},
        {kFieldBusyFlag, "0", &ChannelRecord::BusyFlag, 0},
        {kFieldScan, "0", &ChannelRecord::Scan, 0},
        {kFieldRbLock, "1", &ChannelRecord::RbLock, 1},
        {kFieldRbTone, "7", &ChannelRecord::RbTone, 7},
        {kFieldRbTone, "8", &ChannelRecord::RbTone, 9},
        {kFieldRbTone, "99999", &ChannelRecord::RbTone, 9},
        {kFieldRepEnable, "x", &ChannelRecord::RepEnable, 9},
        {kFieldRepEnable, "1 ", &ChannelRecord::RepEnable, 9},
        {kFieldRepShift, "2", &ChannelRecord::RepShift, 2},
        {kFieldRepShift, "3", &ChannelRecord::RepShift, 9},
    };
    for (const auto& c : cases) {
        AppContext ctx;
        ChannelRecord r;
        r.*c.field = 9;
        SetChannelField(ctx, r, c.code, c.value);
        EXPECT_EQ(r.*c.field, c.expected) << c.code << " " << c.value;
    }
}

TEST(SetChannelField, CodesWithoutAFieldChangeNothing) {
    for (int code : {0, 5, 14, -1}) {
        AppContext ctx;
        ChannelRecord r;
        r.RxFreq.Set("28100000");
        const ChannelRecord before = r;
        SetChannelField(ctx, r, code, "1");
        EXPECT_EQ(r, before) << code;
    }
}

TEST(EditChannelField, NotifiesTheOpenWindows) {
    const struct {
        int group;
        std::vector<int> channels;
        int chNo;
        int code;
        const char* value;
        bool refreshesReset;
    } cases[] = {
        {3, {6}, 6, kFieldScan, "0", false},       // existing channel: no reset refresh
        {3, {6, 2}, 6, kFieldRxFreq, "", false},   // deleted: no reset refresh
        {3, {6}, 8, kFieldRxFreq, "28.5", true},   // created
        {3, {6}, 8, kFieldTxFreq, "28.5", true},   // missing channel, nothing created
        {kVfoAGroup, {}, 1, kFieldScan, "0", true},
        {kVfoAGroup, {}, 1, kFieldRxFreq, "", true},
    };
    for (const auto& c : cases) {
        EditFixture f;
        f.views.tableOpen = true;
        f.views.resetOpen = true;
        f.ctx.Doc.Data.CurrentGroup = static_cast<int16_t>(c.group);
        if (c.group < kGroupCount) f.Fill(c.group, c.channels);
        EditChannelField(f.ctx, c.chNo, c.code, c.value);
        EXPECT_EQ(f.views.reshownRows, std::vector<int>{c.chNo}) << c.chNo << " " << c.code;
        EXPECT_EQ(f.views.reshowByCh,
                  c.refreshesReset ? std::vector<bool>{false} : std::vector<bool>{})
            << c.chNo << " " << c.code;
    }
}

TEST(EditChannelField, ClosedChannelTableIsNotRedrawn) {
    EditFixture f;
    EditChannelField(f.ctx, 3, kFieldRxFreq, "28.5");
    EXPECT_EQ(f.ChNos(0), std::vector<int>{3});
    EXPECT_TRUE(f.views.reshownRows.empty());
}

TEST(EditChannelField, DamagedRecordsStayInsideTheTables) {
    // A current group outside 0..21 changes nothing.
    for (int g : {-1, 22, 30}) {
        EditFixture f;
        f.ctx.Doc.Data.CurrentGroup = static_cast<int16_t>(g);
        EditChannelField(f.ctx, 1, kFieldRxFreq, "28.5");
        EditChannelField(f.ctx, 1, kFieldTxFreq, "");
        EXPECT_EQ(f.ctx.Doc.Data.VfoB, ChannelRecord{}) << g;
        EXPECT_TRUE(f.views.reshownRows.empty()) << g;
    }
    // A ChannelCount above 40 counts as 40: the 40th channel is found, none is added.
    EditFixture f;
    for (int ch = 1; ch <= kChannelsPerGroup; ++ch) f.Slot(ch, 0).ChNo = static_cast<int16_t>(ch);
    f.ctx.Doc.Data.Groups[0].ChannelCount = 45;
    EditChannelField(f.ctx, 40, kFieldScan, "1");
    EXPECT_EQ(f.Slot(40, 0).Scan, 1);
    f.Slot(40, 0).ChNo = 33;  // frees channel number 40
    EditChannelField(f.ctx, 40, kFieldRxFreq, "28.5");
    EXPECT_EQ(f.ctx.Doc.Data.Groups[0].ChannelCount, 45);
    EditChannelField(f.ctx, 33, kFieldRxFreq, "");  // deletes the first channel 33
    EXPECT_EQ(f.ctx.Doc.Data.Groups[0].ChannelCount, 39);
}

TEST(ChannelStore, CountsOutsideTheTableAreLimited) {
    const struct { int16_t stored; int used; int afterAdd; int afterDeleteFirst; } cases[] = {
        {-3, 0, 1, -3},
        {0, 0, 1, 0},
        {39, 39, 40, 38},
        {40, 40, 40, 39},
        {45, 40, 45, 39},
    };
    for (const auto& c : cases) {
        AppContext ctx;
        ctx.Doc.Data.Groups[5].ChannelCount = c.stored;
        EXPECT_EQ(UsedChannels(ctx.Doc.Data, 5), c.used) << c.stored;
        AddChannel(ctx, 1, 5, "28.5");
        EXPECT_EQ(ctx.Doc.Data.Groups[5].ChannelCount, c.afterAdd) << c.stored;
        ctx.Doc.Data.Groups[5].ChannelCount = c.stored;
        DeleteChannel(ctx, 1, 5);
        EXPECT_EQ(ctx.Doc.Data.Groups[5].ChannelCount, c.afterDeleteFirst) << c.stored;
    }
    AppContext ctx;
    EXPECT_EQ(UsedChannels(ctx.Doc.Data, 20), 0);
    EXPECT_EQ(UsedChannels(ctx.Doc.Data, -1), 0);
}

TEST(ChannelStore, DeleteOfAPositionNotInUseChangesNothing) {
    for (int position : {0, -1, 3, 41}) {
        EditFixture f;
        f.Fill(4, {1, 2});
        DeleteChannel(f.ctx, position, 4);
        EXPECT_EQ(f.ChNos(4), (std::vector<int>{1, 2})) << position;
    }
    EditFixture f;
    DeleteChannel(f.ctx, 1, 20);
    DeleteChannel(f.ctx, 1, -1);
}

TEST(ChannelStore, AddFillsTheVfos) {
    const struct { int group; bool a, b; } cases[] = {
        {20, true, false}, {21, false, true}, {25, false, true}, {-1, false, false}};
    for (const auto& c : cases) {
        AppContext ctx;
        AddChannel(ctx, 1, c.group, "29.000000");
        EXPECT_EQ(CleanText(ctx.Doc.Data.VfoA.TxFreq), c.a ? "29000000" : "") << c.group;
        EXPECT_EQ(CleanText(ctx.Doc.Data.VfoB.TxFreq), c.b ? "29000000" : "") << c.group;
        EXPECT_EQ(ctx.Doc.Data.VfoB.Scan, c.b ? 1 : 0) << c.group;
    }
}

namespace {

// Band 0: groups 2 and 5 (index 1, 4) valid; band 1: group 13 (index 12) valid, holding
// channels created in the order 7, 2, 30.
struct GroupFixture : EditFixture {
    GroupFixture() {
        ctx.Doc.Data.Groups[1].Valid = 1;
        ctx.Doc.Data.Groups[4].Valid = 2;  // any value above 0 counts
        ctx.Doc.Data.Groups[7].Valid = -1;
        ctx.Doc.Data.Groups[12].Valid = 1;
        Fill(12, {7, 2, 30});
        Fill(1, {4});
    }
};

}  // namespace

TEST(GroupValidity, CountAndFirstValidGroupOfABand) {
    GroupFixture f;
    EXPECT_EQ(CountValidGroups(f.ctx, 0), 2);
    EXPECT_EQ(CountValidGroups(f.ctx, 9), 2);
    EXPECT_EQ(CountValidGroups(f.ctx, 10), 1);
    EXPECT_EQ(CountValidGroups(f.ctx, 21), 1);

    const struct { int n, band, first; } cases[] = {
        {5, 0, 5}, {2, 0, 2}, {3, 0, 2}, {8, 0, 2},  // 8 holds Valid -1
        {0, 0, 2}, {25, 0, 2}, {-4, 0, 2},
        {13, 0, 2},  // a valid group of the other band is not kept
        {13, 1, 13}, {11, 1, 13}, {2, 1, 13}, {0, 1, 13}, {21, 1, 13},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FirstValidGroup(f.ctx, c.n, c.band), c.first) << c.n << " band " << c.band;
    }
    f.ctx.Doc.Data.Groups[12].Valid = 0;
    EXPECT_EQ(FirstValidGroup(f.ctx, 13, 1), 0);
    EXPECT_EQ(CountValidGroups(f.ctx, 15), 0);
}

TEST(GroupValidity, ChannelInGroupOrFirstInCreationOrder) {
    GroupFixture f;
    const struct { int chNo, n, result; } cases[] = {
        {30, 13, 30},
        {2, 13, 2},
        {5, 13, 7},   // position 1, not the lowest number
        {5, 2, 4},
        {5, 3, 1},    // group without channels
        {5, 0, 1},    // no group
        {5, 21, 1},
        {5, -1, 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ChannelInGroupOrFirst(f.ctx, c.chNo, c.n), c.result) << c.chNo << " in " << c.n;
    }
    f.ctx.Doc.Data.Groups[12].ChannelCount = 50;  // damaged count: only 40 slots are read
    EXPECT_EQ(ChannelInGroupOrFirst(f.ctx, 2, 13), 2);
}

TEST(RefreshResetSelection, KeepsTheSelectionOnExistingGroupsAndChannels) {
    using Reset = std::array<int16_t, 4>;
    const struct { bool reselect; Reset before, after; } cases[] = {
        {true, {5, 9, 13, 30}, {5, 1, 13, 30}},   // group 5 has no channels
        {true, {3, 9, 13, 5}, {2, 4, 13, 7}},     // invalid group 3 gives group 2
        {true, {0, 0, 0, 0}, {2, 4, 13, 7}},
        {true, {25, 1, 25, 1}, {2, 4, 13, 7}},
        {true, {13, 2, 2, 4}, {2, 4, 13, 7}},     // groups of the wrong band
        {false, {3, 9, 13, 5}, {3, 1, 13, 7}},    // groups kept, channels corrected
        {false, {0, 9, 25, 9}, {0, 1, 25, 1}},
        {false, {2, 4, 13, 2}, {2, 4, 13, 2}},
    };
    for (const auto& c : cases) {
        GroupFixture f;
        f.ctx.Doc.Data.OptionSettings.ResetSelect = c.before;
        RefreshResetSelection(f.ctx, c.reselect);
        EXPECT_EQ(f.ctx.Doc.Data.OptionSettings.ResetSelect, c.after)
            << c.before[0] << "," << c.before[1] << "," << c.before[2] << "," << c.before[3];
    }
}

TEST(RefreshResetSelection, NoValidGroupInABandGivesZeroAndChannelOne) {
    GroupFixture f;
    f.ctx.Doc.Data.Groups[12].Valid = 0;
    f.ctx.Doc.Data.OptionSettings.ResetSelect = {2, 4, 13, 30};
    RefreshResetSelection(f.ctx, true);
    EXPECT_EQ(f.ctx.Doc.Data.OptionSettings.ResetSelect, (std::array<int16_t, 4>{2, 4, 0, 1}));
}

TEST(RefreshResetSelection, OpenResetWindowShowsItselfInstead) {
    for (bool reselect : {false, true}) {
        GroupFixture f;
        f.views.resetOpen = true;
        f.ctx.Doc.Data.OptionSettings.ResetSelect = {3, 9, 25, 5};
        RefreshResetSelection(f.ctx, reselect);
        EXPECT_EQ(f.views.reshowByCh, std::vector<bool>{reselect});
        EXPECT_EQ(f.ctx.Doc.Data.OptionSettings.ResetSelect, (std::array<int16_t, 4>{3, 9, 25, 5}));
    }
}

TEST(EditChannelField, NewChannelCorrectsTheResetChannel) {
    GroupFixture f;
    f.ctx.Doc.Data.CurrentGroup = 4;
    f.ctx.Doc.Data.OptionSettings.ResetSelect = {5, 9, 13, 7};
    EditChannelField(f.ctx, 6, kFieldRxFreq, "28.5");
    EXPECT_EQ(f.ctx.Doc.Data.OptionSettings.ResetSelect, (std::array<int16_t, 4>{5, 6, 13, 7}));
}
