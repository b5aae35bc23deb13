// FleetSync editor rules: the own fleet/ID pair and the fleet list cells.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "codeplug/records.h"
#include "features/fleet_sync_rules.h"

using namespace zb;

namespace {

FleetSyncSettingsRecord Pair(int16_t fleet, int32_t id) {
    FleetSyncSettingsRecord s{255, 0, 0, 400, 10, 1};
    s.OwnFleet = fleet;
    s.OwnId = id;
    return s;
}

}  // namespace

TEST(FleetSyncRules, ShowingThePairUsesBlankItemsOnlyWhileNoFleetIsSet) {
    EXPECT_EQ(ShowOwnPair(Pair(255, 0)), (OwnPairView{true, 0, 0}));
    EXPECT_EQ(ShowOwnPair(Pair(255, 17)), (OwnPairView{true, 0, 0}));
    EXPECT_EQ(ShowOwnPair(Pair(1, 1)), (OwnPairView{false, 0, 0}));
    EXPECT_EQ(ShowOwnPair(Pair(250, 4000)), (OwnPairView{false, 249, 3999}));
    EXPECT_EQ(ShowOwnPair(Pair(251, 0)), (OwnPairView{false, -1, -1}));  // nothing to show
}

TEST(FleetSyncRules, ChoosingAFleetOrAnIdSetsThePairTogether) {
    // A fleet while the ID is blank: the blanks go and the ID becomes 1000.
    FleetSyncSettingsRecord s = Pair(255, 0);
    OwnPairView v = ChooseOwnFleet(s, ShowOwnPair(s), 1 + 5);  // fleet 105
    EXPECT_EQ(v, (OwnPairView{false, 5, 0}));
    EXPECT_EQ(s.OwnFleet, 6);
    EXPECT_EQ(s.OwnId, 1);
    v = ChooseOwnId(s, v, 3999);  // ID 4999
    EXPECT_EQ(s.OwnId, 4000);
    EXPECT_EQ(s.OwnFleet, 6);
    EXPECT_EQ(v, (OwnPairView{false, 5, 3999}));

    // An ID while the fleet is blank: the fleet becomes 100.
    s = Pair(255, 0);
    v = ChooseOwnId(s, ShowOwnPair(s), 1 + 10);  // ID 1010
    EXPECT_EQ(v, (OwnPairView{false, 0, 10}));
    EXPECT_EQ(s.OwnFleet, 1);
    EXPECT_EQ(s.OwnId, 11);

    // The blank fleet clears both; the blank ID stores 0.
    s = Pair(255, 9);
    v = ChooseOwnFleet(s, ShowOwnPair(s), 0);
    EXPECT_EQ(v, (OwnPairView{true, 0, 0}));
    EXPECT_EQ(s.OwnFleet, 255);
    EXPECT_EQ(s.OwnId, 0);
    s = Pair(255, 9);
    v = ChooseOwnId(s, ShowOwnPair(s), 0);
    EXPECT_EQ(s.OwnId, 0);
    EXPECT_EQ(v, (OwnPairView{true, 0, 0}));

    // Without blanks, index 0 is the first number; an index past the list changes nothing.
    s = Pair(3, 3);
    EXPECT_EQ(ChooseOwnFleet(s, ShowOwnPair(s), 0), (OwnPairView{false, 0, 2}));
    EXPECT_EQ(s.OwnFleet, 1);
    EXPECT_EQ(ChooseOwnId(s, ShowOwnPair(s), kIdNumbers), ShowOwnPair(s));
    EXPECT_EQ(s.OwnId, 3);
}

TEST(FleetSyncRules, BoxTextsAreClampedIntoTheirColumn) {
    struct Case {
        FleetColumn column;
        const char* text;
        std::optional<int32_t> stored;
        const char* cell;
    };
    const Case cases[] = {
        {FleetColumn::Fleet, "50", 1, "100"},     {FleetColumn::Fleet, "0", 1, "100"},
        {FleetColumn::Fleet, "9999", 250, "349"}, {FleetColumn::Fleet, "200", 101, "200"},
        {FleetColumn::Fleet, "A", 0, "All"},      {FleetColumn::Fleet, "", 255, ""},
        {FleetColumn::Id, "6000", 4000, "4999"},  {FleetColumn::Id, "12", 1, "1000"},
        {FleetColumn::Id, "A", 0, "All"},         {FleetColumn::Id, "1A", 0, "All"},
        {FleetColumn::Id, "1253", 254, "1253"},   {FleetColumn::Id, "1255", 256, "1255"},
        {FleetColumn::Id, "", 255, ""},
        // Stored as 255, ID 1254 would read back as an empty cell: it is refused.
        {FleetColumn::Id, "1254", std::nullopt, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FleetBoxValue(c.column, c.text), c.stored) << c.text;
        if (c.stored) {
            EXPECT_EQ(FleetCellText(c.column, *c.stored, "All"), c.cell) << c.text;
            EXPECT_EQ(FleetBoxValue(c.column, FleetBoxText(c.column, *c.stored)), c.stored) << c.text;
        }
    }
    const std::u32string typed = U"a1A9x#-é";
    std::string kept;
    for (char32_t k : typed)
        if (char32_t c = FleetListKey(k)) kept += static_cast<char>(c);
    EXPECT_EQ(kept, "A1A9");
}

TEST(FleetSyncRules, ListEntriesAreMadeByTheFirstValueAndGoWithTheLast) {
    OptionSettingsRecord s;
    StoreFleetListCell(s, 2, FleetColumn::Id, kFleetListEmpty);  // nothing to keep
    EXPECT_EQ(s.FleetSyncStatusCount, 0);
    StoreFleetListCell(s, 2, FleetColumn::Id, 5);
    StoreFleetListCell(s, 7, FleetColumn::Fleet, 0);
    StoreFleetListCell(s, 4, FleetColumn::Fleet, 12);
    EXPECT_EQ(s.FleetSyncStatusCount, 3);
    EXPECT_EQ(s.FleetSyncStatus[0], (FleetSyncStatusEntry{2, 255, 5}));
    EXPECT_EQ(s.FleetSyncStatus[1], (FleetSyncStatusEntry{7, 0, 255}));
    EXPECT_EQ(FleetListValue(s, 4, FleetColumn::Fleet), 12);
    EXPECT_EQ(FleetListValue(s, 4, FleetColumn::Id), kFleetListEmpty);
    EXPECT_EQ(FleetListValue(s, 5, FleetColumn::Fleet), kFleetListEmpty);

    StoreFleetListCell(s, 2, FleetColumn::Fleet, 3);  // fills the entry's other cell
    StoreFleetListCell(s, 2, FleetColumn::Id, kFleetListEmpty);
    EXPECT_EQ(s.FleetSyncStatusCount, 3);  // the fleet still holds it
    StoreFleetListCell(s, 2, FleetColumn::Fleet, kFleetListEmpty);
    EXPECT_EQ(s.FleetSyncStatusCount, 2);
    EXPECT_EQ(s.FleetSyncStatus[0].Row, 7);
    EXPECT_EQ(s.FleetSyncStatus[1].Row, 4);
    EXPECT_EQ(s.FleetSyncStatus[2], FleetSyncStatusEntry{});
}
