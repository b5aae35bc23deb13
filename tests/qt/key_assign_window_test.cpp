// The key assignment window, driven through its lists.
#include <QTest>

#include "features/ui/frm_key_assignm.h"
#include "qt/service_windows_fixture.h"

using namespace zb;
using namespace zb::ui;

namespace {

struct KeyAssignWindow : test::ServiceWindowFixture {
    KeyAssignmentRecord& keys = settings.KeyAssignment;
    // Picks an item the way the keyboard does on a closed list.
    void Pick(int k, int index) {
        List(k)->setFocus();
        while (List(k)->currentIndex() < index) QTest::keyClick(List(k), Qt::Key_Down);
        while (List(k)->currentIndex() > index) QTest::keyClick(List(k), Qt::Key_Up);
    }
};

}  // namespace

TEST_F(KeyAssignWindow, ShowsTheNewDocumentsKeysAndStoresEachPick) {
    Open<FrmKeyAssignm>();
    EXPECT_EQ(window->windowTitle(), "Key Assignment");
    EXPECT_EQ(List(0)->count(), 10);
    EXPECT_EQ(List(0)->currentText(), "None");
    EXPECT_EQ(List(1)->currentText(), "Squelch Off Momentary");
    EXPECT_TRUE(test::FindControl<QWidget>(window.get(), "CommandHelp")->isHidden());

    const std::pair<const char*, int16_t> picks[] = {{"Squelch Off", 9}, {"Scan", 6}, {"Temporary Delete", 11}, {"None", 255}};
    for (const auto& [text, code] : picks) {
        Pick(0, List(0)->findText(text));
        EXPECT_EQ(keys.Pf1Function, code) << text;
    }
    Pick(1, List(1)->findText("Key Lock"));
    EXPECT_EQ(keys.Pf2Function, 2);
}

TEST_F(KeyAssignWindow, ACodeTheListDoesNotOfferShowsNoSelectionAndStays) {
    keys = {8, 1};
    ctx.settings.LanguageIndex = kChinese;
    Open<FrmKeyAssignm>();
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8("键设定"));
    EXPECT_EQ(List(0)->currentIndex(), -1);
    EXPECT_EQ(List(1)->currentIndex(), -1);
    List(0)->setFocus();
    List(1)->setFocus();  // leaving a list without a selection stores nothing
    EXPECT_EQ(keys, (KeyAssignmentRecord{8, 1}));
    List(0)->setCurrentIndex(List(0)->findText(QString::fromUtf8("取消静噪")));
    EXPECT_EQ(keys.Pf1Function, 9);
}
