// The scan information window: showing the stored values, and picks in its lists by key.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QPushButton>
#include <QtTest/QTest>
#include <memory>
#include <string>
#include <vector>

#include "app/context.h"
#include "channels/ui/scan_info_window.h"

using namespace zb;

namespace {

class ScanInfo : public ::testing::Test {
protected:
    AppContext ctx;
    std::unique_ptr<FrmScanInfo> window;
    ScanInfoRecord& scan = ctx.Doc.Data.OptionSettings.ScanInfo;

    ScanInfo() { scan = {0, 255, 31, 51, 1, 3, 3}; }  // the defaults of a new document

    void Open() {
        window = std::make_unique<FrmScanInfo>(ctx);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    QComboBox* List(int k) const {
        auto* list = window->findChild<QComboBox*>(QString("Combo1_%1").arg(k));
        EXPECT_NE(list, nullptr) << k;
        return list;
    }
    std::vector<std::string> Shown() const {
        std::vector<std::string> out;
        for (int k = 0; k < 7; ++k) out.push_back(List(k)->currentText().toStdString());
        return out;
    }
    std::vector<bool> Enabled() const {
        std::vector<bool> out;
        for (int k = 0; k < 7; ++k) out.push_back(List(k)->isEnabled());
        return out;
    }
    std::vector<std::string> Items(int k) const {
        std::vector<std::string> out;
        for (int i = 0; i < List(k)->count(); ++i) out.push_back(List(k)->itemText(i).toStdString());
        return out;
    }
    // Picks an item the way the keyboard does on a closed list.
    void Pick(int k, int index) {
        while (List(k)->currentIndex() < index) QTest::keyClick(List(k), Qt::Key_Down);
        while (List(k)->currentIndex() > index) QTest::keyClick(List(k), Qt::Key_Up);
    }
};

using Texts = std::vector<std::string>;

TEST_F(ScanInfo, DefaultDataShowsNoPriorityWithItsListsDisabled) {
    Open();
    EXPECT_EQ(Shown(), (Texts{"None", "None", "2.00", "3.00", "Selected+Talk Back", "3", "3"}));
    EXPECT_EQ(Enabled(), (std::vector<bool>{true, false, false, false, true, true, true}));
    EXPECT_EQ(Items(4), (Texts{"Selected", "Selected+Talk Back"}));
    EXPECT_EQ(List(1)->count(), 41);
    EXPECT_EQ(List(2)->count(), 91);
    EXPECT_EQ(List(5)->count(), 301);
    EXPECT_EQ(window->windowTitle(), "Scan Information");
    EXPECT_TRUE(window->findChild<QPushButton*>("CommandHelp")->isHidden());
    EXPECT_EQ(scan, (ScanInfoRecord{0, 255, 31, 51, 1, 3, 3}));  // showing changes nothing
}

TEST_F(ScanInfo, ThePriorityModeSetsTheRevertChoicesAndTheEnabledLists) {
    Open();
    Pick(0, 1);  // Fixd
    EXPECT_EQ(Enabled(), (std::vector<bool>(7, true)));
    EXPECT_EQ(Items(4), (Texts{"Selected", "Selected+Talk Back", "Priority", "Priority+Talk Back"}));
    EXPECT_EQ(List(4)->currentText(), "Selected+Talk Back");
    EXPECT_EQ(scan.Priority, 1);
    EXPECT_EQ(scan.RevertChannel, 1);

    Pick(0, 2);  // Selected: the talk-back part stays
    EXPECT_EQ(scan.RevertChannel, 3);
    EXPECT_EQ(List(4)->currentText(), "Priority+Talk Back");
    EXPECT_EQ(Enabled(), (std::vector<bool>{true, false, true, true, true, true, true}));

    Pick(0, 0);  // None
    EXPECT_EQ(scan.RevertChannel, 1);
    Pick(4, 0);
    EXPECT_EQ(scan.RevertChannel, 0);
}

TEST_F(ScanInfo, EveryListStoresItsPick) {
    scan.Priority = 1;
    Open();
    Pick(1, 40);
    EXPECT_EQ(scan.PriorityChannel, 40);
    Pick(1, 0);
    EXPECT_EQ(scan.PriorityChannel, 255);
    Pick(2, 0);
    EXPECT_EQ(scan.LookBackTimeA, 1);
    Pick(3, 90);
    EXPECT_EQ(scan.LookBackTimeB, 91);
    EXPECT_EQ(List(3)->currentText(), "5.00");
    Pick(5, 0);
    EXPECT_EQ(scan.DropoutDelayTime, 0);
    Pick(6, 12);
    EXPECT_EQ(scan.TxDwellTime, 12);
    Pick(4, 3);
    EXPECT_EQ(scan.RevertChannel, 3);
}

TEST_F(ScanInfo, DataThatDoesNotFitIsBroughtIntoForm) {
    struct Case {
        ScanInfoRecord stored;
        ScanInfoRecord shown;
        const char* revertText;
    };
    const Case cases[] = {
        // A revert value that does not fit the priority mode keeps its talk-back part.
        {{0, 255, 31, 51, 3, 3, 3}, {0, 255, 31, 51, 1, 3, 3}, "Selected+Talk Back"},
        {{2, 255, 31, 51, 0, 3, 3}, {2, 255, 31, 51, 2, 3, 3}, "Priority"},
        // Values outside their lists take the first item.
        {{5, 77, 0, 200, 1, 999, -4}, {0, 255, 1, 1, 1, 0, 0}, "Selected+Talk Back"},
    };
    for (const Case& c : cases) {
        scan = c.stored;
        Open();
        EXPECT_EQ(scan, c.shown);
        EXPECT_EQ(List(4)->currentText().toStdString(), c.revertText);
        window.reset();
    }
}

TEST_F(ScanInfo, ChineseTexts) {
    ctx.settings.LanguageIndex = kChinese;
    Open();
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8("扫描信息"));
    EXPECT_EQ(List(0)->currentText(), QString::fromUtf8("无"));
    EXPECT_EQ(List(4)->currentText(), QString::fromUtf8("选定+当前通话"));
    EXPECT_EQ(window->findChild<QPushButton*>("CommandClose")->text(), QString::fromUtf8("关闭(&C)"));
}

}  // namespace
