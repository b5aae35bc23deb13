// Option features without widgets: list items, what controls show, and the change rules.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "features/option_features_rules.h"

using namespace zb;

namespace {

int PositionOf(int list, const std::string& item) {
    const std::vector<std::string> items = OptionListItems(list, kEnglish);
    const auto it = std::find(items.begin(), items.end(), item);
    return it == items.end() ? -1 : static_cast<int>(it - items.begin());
}

OptionFeaturesRecord& Features(CodeplugData& data) { return data.OptionSettings.OptionFeatures; }

}  // namespace

TEST(OptionFeatureLists, ItemsInBothLanguages) {
    const struct {
        int list;
        int language;
        size_t count;
        const char* first;
        const char* second;
        const char* last;
    } cases[] = {
        {0, kEnglish, 21, "Off", "30", "600"},
        {0, kChinese, 21, "关", "30", "600"},
        {1, kEnglish, 4, "Off", "0.5K", "2.5K"},
        {3, kChinese, 5, "关", "100", "10K"},
        {4, kEnglish, 5, "1K", "5K", "1M"},
        {5, kEnglish, 271, "300", "310", "3000"},
        {6, kChinese, 2, "静噪扫描", "时间扫描", "时间扫描"},
        {8, kEnglish, 3, "Model Name", "Battery Voltage", "Model Name & Battery Voltage"},
        {9, kEnglish, 189, "1.2", "1.3", "20.0"},
        {10, kEnglish, 81, "9.0", "9.1", "17.0"},
        {12, kEnglish, 60, "5", "10", "300"},
        {14, kEnglish, 200, "5", "10", "1000"},
        {16, kChinese, 32, "关", "1", "31"},
        {17, kEnglish, 9, "Blue", "Green", "Loop"},
        {17, kChinese, 9, "蓝色", "绿色", "循环"},
        {18, kEnglish, 20, "0.5", "1.0", "10.0"},
        {19, kChinese, 2, "1-5", "6-10", "6-10"},
        {22, kChinese, 2, "关", "开", "开"},
        {23, kEnglish, 2, "OFF", "ON", "ON"},
        {24, kEnglish, 5, "5s", "10s", "60s"},
        {26, kEnglish, 5, "2.0K", "2.5K", "4.0K"},
        {27, kEnglish, 10, "OFF", "1", "9"},
        {28, kEnglish, 9, "0.5", "1.0", "4.5"},
    };
    for (const auto& c : cases) {
        const std::vector<std::string> items = OptionListItems(c.list, c.language);
        ASSERT_EQ(items.size(), c.count) << c.list;
        EXPECT_EQ(items[0], c.first) << c.list;
        EXPECT_EQ(items[1], c.second) << c.list;
        EXPECT_EQ(items.back(), c.last) << c.list;
    }
    for (int list = 0; list < kOptionListCount; ++list) {
        EXPECT_EQ(OptionListItems(list, kEnglish).size(), OptionListItems(list, kChinese).size());
    }
}

TEST(OptionFeatureLists, CaptionsCarryTheirUnits) {
    EXPECT_EQ(OptionCaption(7, kEnglish), "Scan Resume Time[s]");
    EXPECT_EQ(OptionCaption(10, kChinese), "电池电压保护值1--最低[V]");
    EXPECT_EQ(OptionCaption(15, kEnglish), "Single Tone[Hz]");
    EXPECT_EQ(OptionCaption(0, kChinese), "超时定时器(TOT)[秒]");
    EXPECT_EQ(OptionCaption(19, kChinese), "Group Change");
    EXPECT_EQ(OptionCaption(107, kEnglish), "DC Protect Enabled");
    EXPECT_EQ(OptionCaption(29, kEnglish), "");
}

TEST(OptionFeatureLists, VisibleControlsAreTheEditableOnes) {
    std::vector<int> visible;
    for (int n = 0; n < kOptionListCount; ++n)
        if (IsOptionControlVisible(n)) visible.push_back(n);
    std::vector<int> order = VisibleListOrder();
    std::sort(order.begin(), order.end());
    EXPECT_EQ(visible, order);
    EXPECT_EQ(order.size(), 20u);
    for (int hidden : {1, 2, 3, 5, 12, 13, 14, 15, 26, 100, 102, 103, 104, 105})
        EXPECT_FALSE(IsOptionControlVisible(hidden)) << hidden;
    for (int shown : VisibleCheckOrder()) EXPECT_TRUE(IsOptionControlVisible(shown)) << shown;
}

TEST(SaveOptFeat, ChosenItemIsStoredInItsFieldWithTheListOffset) {
    const struct {
        int control;
        const char* item;
        int expected;
        int16_t* (*field)(CodeplugData&);
    } cases[] = {
        {0, "90", 3, [](CodeplugData& d) { return &Features(d).Tot; }},
        {1, "1.5K", 2, [](CodeplugData& d) { return &Features(d).FineTuneRange; }},
        {2, "R&T", 2, [](CodeplugData& d) { return &Features(d).FineTuneMode; }},
        {3, "5K", 3, [](CodeplugData& d) { return &Features(d).CoarseStep; }},
        {4, "100K", 3, [](CodeplugData& d) { return &Features(d).VfoStep; }},
        {5, "300", 30, [](CodeplugData& d) { return &Features(d).CwSideTone; }},
        {6, "Time Scan", 1, [](CodeplugData& d) { return &Features(d).ScanMode; }},
        {7, "15", 2, [](CodeplugData& d) { return &Features(d).ScanResume; }},
        {8, "Battery Voltage", 1, [](CodeplugData& d) { return &Features(d).LcdDisplay; }},
        {9, "1.5", 15, [](CodeplugData& d) { return &Features(d).SwrProtect; }},
        {12, "300", 59, [](CodeplugData& d) { return &Features(d).FmSqDelay; }},
        {13, "10", 1, [](CodeplugData& d) { return &Features(d).AmSqDelay; }},
        {14, "1000", 199, [](CodeplugData& d) { return &Features(d).CwSsbSqDelay; }},
        {15, "3000", 300, [](CodeplugData& d) { return &Features(d).SingleTone; }},
        {16, "31", 31, [](CodeplugData& d) { return &Features(d).Dim; }},
        {17, "Loop", 8, [](CodeplugData& d) { return &Features(d).BacklightColor; }},
        {18, "10.0", 19, [](CodeplugData& d) { return &Features(d).BacklightLoopTime; }},
        {19, "6-10", 1, [](CodeplugData& d) { return &Features(d).GroupChange; }},
        {20, "DY", 1, [](CodeplugData& d) { return &d.OptionFeaturesExt.MicType; }},
        {21, "ON", 1, [](CodeplugData& d) { return &d.OptionFeaturesExt.TxGate; }},
        {22, "ON", 1, [](CodeplugData& d) { return &d.OptionFeaturesExt.RxNc; }},
        {23, "ON", 1, [](CodeplugData& d) { return &d.OptionFeaturesExt.NrBypass; }},
        {24, "60s", 4, [](CodeplugData& d) { return &d.OptionFeaturesExt.IdleTime; }},
        {25, "3.0K", 2, [](CodeplugData& d) { return &d.OptionFeaturesExt.TxTone; }},
        {26, "4.0K", 4, [](CodeplugData& d) { return &d.OptionFeaturesExt.RxTone; }},
        {27, "9", 9, [](CodeplugData& d) { return &d.OptionFeaturesExt.VoxLevel; }},
        {28, "1.5", 2, [](CodeplugData& d) { return &d.OptionFeaturesExt.VoxDelay; }},
    };
    for (const auto& c : cases) {
        CodeplugData data;
        const int position = PositionOf(c.control, c.item);
        ASSERT_GE(position, 0) << c.control << " " << c.item;
        SaveOptFeat(data, c.control, position);
        EXPECT_EQ(*c.field(data), c.expected) << c.control;
        *c.field(data) = 0;
        EXPECT_EQ(data, CodeplugData{}) << "list " << c.control << " changed another field";
    }
}

TEST(SaveOptFeat, CheckBoxesStoreTheirState) {
    const struct {
        int control;
        int16_t* (*field)(CodeplugData&);
    } cases[] = {
        {100, [](CodeplugData& d) { return &Features(d).SingleChangeData; }},
        {101, [](CodeplugData& d) { return &Features(d).Asq; }},
        {102, [](CodeplugData& d) { return &Features(d).Plus10kHz; }},
        {103, [](CodeplugData& d) { return &Features(d).Tsq; }},
        {104, [](CodeplugData& d) { return &Features(d).Busy; }},
        {105, [](CodeplugData& d) { return &Features(d).SingleChangeRxTx; }},
        {106, [](CodeplugData& d) { return &Features(d).SwrProtectEnable; }},
        {107, [](CodeplugData& d) { return &Features(d).DcProtectEnable; }},
        {108, [](CodeplugData& d) { return &Features(d).Beep; }},
    };
    for (const auto& c : cases) {
        CodeplugData data;
        SaveOptFeat(data, c.control, 1);
        EXPECT_EQ(*c.field(data), 1) << c.control;
        *c.field(data) = 7;
        SaveOptFeat(data, c.control, 0);
        EXPECT_EQ(*c.field(data), 0) << c.control;
        EXPECT_EQ(data, CodeplugData{}) << "box " << c.control << " changed another field";
    }
}

TEST(SaveOptFeat, OtherNumbersAndPositionsOutsideTheListChangeNothing) {
    CodeplugData data;
    Features(data).Tot = 4;
    data.OptionFeaturesExt.VoxDelay = 3;
    const CodeplugData before = data;
    for (int control : {-1, 29, 99, 109, 1000, 32767}) SaveOptFeat(data, control, 1);
    SaveOptFeat(data, 0, -1);
    SaveOptFeat(data, 0, 21);
    SaveOptFeat(data, 28, 9);
    EXPECT_EQ(data, before);
}

TEST(SaveOptFeat, BatteryMaximumStaysHalfAVoltAboveTheMinimum) {
    const struct {
        int list;  // the list chosen
        const char* item;
        int min, max;  // stored before
        int newMin, newMax;
    } cases[] = {
        {10, "17.0", 120, 170, 165, 170},  // minimum up to the maximum
        {11, "9.0", 110, 120, 95, 100},    // maximum below 9.5 and below the minimum
        {11, "12.0", 118, 150, 118, 123},  // maximum too close to the minimum
        {10, "12.0", 100, 150, 120, 150},  // no rule needed
        {10, "14.8", 100, 150, 145, 150},
        {11, "9.5", 90, 150, 90, 95},
        // Stored values outside the lists never produce a value outside them.
        {10, "12.0", 100, 80, 90, 95},
        {11, "17.0", 170, 160, 165, 170},
    };
    for (const auto& c : cases) {
        CodeplugData data;
        Features(data).BatteryMin = static_cast<int16_t>(c.min);
        Features(data).BatteryMax = static_cast<int16_t>(c.max);
        SaveOptFeat(data, c.list, PositionOf(c.list, c.item));
        EXPECT_EQ(Features(data).BatteryMin, c.newMin) << c.list << " " << c.item;
        EXPECT_EQ(Features(data).BatteryMax, c.newMax) << c.list << " " << c.item;
        // The lists then show the stored values.
        EXPECT_EQ(ShownListPosition(data, 10), c.newMin - 90);
        EXPECT_EQ(ShownListPosition(data, 11), c.newMax - 90);
    }
}

TEST(SaveOptFeat, RxNcAndNrBypassExcludeEachOther) {
    CodeplugData data;
    OptionFeaturesExtRecord& x = data.OptionFeaturesExt;
    x.NrBypass = 1;
    SaveOptFeat(data, 22, 1);  // Rx NC on
    EXPECT_EQ(x.RxNc, 1);
    EXPECT_EQ(x.NrBypass, 0);
    SaveOptFeat(data, 23, 1);  // NrBypass on
    EXPECT_EQ(x.NrBypass, 1);
    EXPECT_EQ(x.RxNc, 0);
    SaveOptFeat(data, 23, 0);  // off touches nothing else
    SaveOptFeat(data, 21, 1);  // Tx Gate is independent
    x.RxNc = 1;
    SaveOptFeat(data, 22, 0);
    EXPECT_EQ(x.RxNc, 0);
    EXPECT_EQ(x.NrBypass, 0);
    EXPECT_EQ(x.TxGate, 1);
}

TEST(SaveOptFeat, SingleChangeDataClearsAndLocksPlus10kTsqAndBusy) {
    CodeplugData data;
    OptionFeaturesRecord& f = Features(data);
    f.Plus10kHz = f.Tsq = f.Busy = 1;
    f.SingleChangeRxTx = 1;
    for (int box : {102, 103, 104}) EXPECT_TRUE(IsOptionControlEnabled(data, box));

    SaveOptFeat(data, 100, 1);
    EXPECT_EQ(f.Plus10kHz, 0);
    EXPECT_EQ(f.Tsq, 0);
    EXPECT_EQ(f.Busy, 0);
    EXPECT_EQ(f.SingleChangeRxTx, 1);
    for (int box : {102, 103, 104}) EXPECT_FALSE(IsOptionControlEnabled(data, box));

    SaveOptFeat(data, 100, 0);
    for (int box : {102, 103, 104}) EXPECT_TRUE(IsOptionControlEnabled(data, box));
    SaveOptFeat(data, 103, 1);
    EXPECT_EQ(f.Tsq, 1);
}

TEST(OptionFeatureDisplay, StoredValuesOutsideAListShowItsFirstItem) {
    const struct {
        int list;
        int stored;
        int shown;
    } cases[] = {
        {0, 25, 0},   {0, 20, 20},  {0, -1, 0},   {9, 11, 0},    {9, 12, 0},
        {9, 200, 188}, {9, 201, 0}, {10, 89, 0},  {11, 171, 0},  {11, 170, 80},
        {5, 29, 0},   {5, 300, 270}, {15, 301, 0}, {28, 9, 0},   {27, 10, 0},
    };
    for (const auto& c : cases) {
        CodeplugData data;
        *OptionControlField(data, c.list) = static_cast<int16_t>(c.stored);
        EXPECT_EQ(ShownListPosition(data, c.list), c.shown) << c.list << " " << c.stored;
    }
}

TEST(OptionFeatureDisplay, OtherCheckValuesShowUncheckedOrCheckedByBox) {
    for (int box = 100; box <= 108; ++box) {
        CodeplugData data;
        int16_t& field = *OptionControlField(data, box);
        field = 1;
        EXPECT_TRUE(ShownCheckState(data, box)) << box;
        field = 0;
        EXPECT_FALSE(ShownCheckState(data, box)) << box;
        for (int16_t other : {int16_t{5}, int16_t{-1}}) {
            field = other;
            EXPECT_EQ(ShownCheckState(data, box), box >= 106) << box << " " << other;
        }
    }
}

TEST(OptionFeatureDisplay, VoxDelayAndFineTuneModeFollowWhatTheirListsShow) {
    CodeplugData data;
    data.OptionFeaturesExt.VoxDelay = 4;
    EXPECT_FALSE(IsOptionControlEnabled(data, 28));
    SaveOptFeat(data, 27, 3);
    EXPECT_TRUE(IsOptionControlEnabled(data, 28));
    SaveOptFeat(data, 27, 0);
    EXPECT_FALSE(IsOptionControlEnabled(data, 28));
    EXPECT_EQ(data.OptionFeaturesExt.VoxDelay, 4);
    data.OptionFeaturesExt.VoxLevel = 12;  // shows "OFF"
    EXPECT_FALSE(IsOptionControlEnabled(data, 28));

    EXPECT_FALSE(IsOptionControlEnabled(data, 2));
    Features(data).FineTuneRange = 1;
    EXPECT_TRUE(IsOptionControlEnabled(data, 2));
    EXPECT_TRUE(IsOptionControlEnabled(data, 0));
    EXPECT_FALSE(IsOptionControlEnabled(data, 29));
}

TEST(PowerOnText, BoxesShowTheCleanedText) {
    const struct {
        std::string stored;
        std::array<std::string, 8> boxes;
    } cases[] = {
        {std::string("AB\0     ", 8), {"A", "B", "", "", "", "", "", ""}},
        {"A  B    ", {"A", "", "", "B", "", "", "", ""}},
        {"12345678", {"1", "2", "3", "4", "5", "6", "7", "8"}},
        {std::string("\0XYZ    ", 8), {"", "", "", "", "", "", "", ""}},
        {"        ", {"", "", "", "", "", "", "", ""}},
    };
    for (const auto& c : cases) {
        FixedText<8> text;
        std::copy(c.stored.begin(), c.stored.end(), text.bytes.begin());
        EXPECT_EQ(PowerOnTextBoxes(text), c.boxes) << c.stored;
    }
}

TEST(PowerOnText, StoredTextIsRebuiltFromAllBoxes) {
    FixedText<8> text;
    text.Set("ZZZZZZZZ");
    StorePowerOnText(text, {"A", "", "", "B", "", "", "", ""});
    EXPECT_EQ(text.Raw(), "A  B    ");
    StorePowerOnText(text, {"", "", "", "", "", "", "", ""});
    EXPECT_EQ(text.Raw(), "        ");
    StorePowerOnText(text, {"1", "2", "3", "4", "5", "6", "7", "8"});
    EXPECT_EQ(text.Raw(), "12345678");
}

TEST(PowerOnText, KeysTypedIntoABox) {
    const struct {
        char32_t code;
        PowerOnKey action;
    } cases[] = {
        {3, PowerOnKey::Discard},       {22, PowerOnKey::Discard},
        {24, PowerOnKey::Discard},      {'\\', PowerOnKey::Discard},
        {'~', PowerOnKey::Discard},     {'\r', PowerOnKey::DiscardAndMoveFocus},
        {' ', PowerOnKey::AcceptAndMoveFocus}, {'A', PowerOnKey::AcceptAndMoveFocus},
        {'}', PowerOnKey::AcceptAndMoveFocus}, {'0', PowerOnKey::AcceptAndMoveFocus},
        {8, PowerOnKey::Pass},          {127, PowerOnKey::Pass},
        {0xE9, PowerOnKey::Pass},       {0x4E2D, PowerOnKey::Discard},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ClassifyPowerOnKey(c.code), c.action) << static_cast<int>(c.code);
    }
}
