// The Window menu's tiling and icon arrangement, and the display-only Radio Information window.
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>

#include "link/ui/frm_radio_info.h"
#include "main_window_fixture.h"
#include "support/qt_wait.h"

using namespace zb;
using namespace zb::test;
using zb::ui::Qs;

TEST_F(MainWindowFixture, TileCommandsStackOrSideBySideAndArrangeIconsLinesUpMinimisedChildren) {
    Open();
    main->resize(900, 700);
    main->ShowChild(kOptFeaturesKey);
    main->ShowChild(kEmbMsgKey);
    auto* mdi = main->findChild<QMdiArea*>("mdiArea");
    const QSize area = mdi->viewport()->size();
    const auto frames = mdi->subWindowList();
    ASSERT_EQ(frames.size(), 3);

    Action("mnuWindowTileHorizontal")->trigger();
    for (QMdiSubWindow* f : frames) EXPECT_EQ(f->width(), area.width());
    EXPECT_EQ(frames[0]->y(), 0);
    EXPECT_EQ(frames[1]->y(), frames[0]->height());
    EXPECT_EQ(frames[2]->geometry().bottom(), area.height() - 1);

    Action("mnuWindowTileVertical")->trigger();
    for (QMdiSubWindow* f : frames) EXPECT_EQ(f->height(), area.height());
    EXPECT_EQ(frames[1]->x(), frames[0]->width());

    frames[0]->showMinimized();
    frames[2]->showMinimized();
    frames[0]->move(300, 10);
    frames[2]->move(10, 10);
    Action("mnuWindowArrangeIcons")->trigger();
    EXPECT_EQ(frames[0]->geometry().bottom(), area.height() - 1);
    EXPECT_EQ(frames[2]->geometry().bottom(), area.height() - 1);
    EXPECT_EQ(std::min(frames[0]->x(), frames[2]->x()), 0);
    EXPECT_NE(frames[0]->x(), frames[2]->x());
    EXPECT_EQ(frames[1]->height(), area.height());  // the open child is left where it is
}

TEST_F(MainWindowFixture, RadioInformationShowsTheModelRecordInBothLanguages) {
    auto& m = ctx.Doc.Data.ModelInfo;
    m.ModelType.Set("ZB3471");
    m.RadioBandCode = 1;
    m.SerialNumber.Set("20250101");
    for (int language : {kEnglish, kChinese}) {
        ctx.settings.LanguageIndex = language;
        ui::FrmRadioInfo window(ctx);
        EXPECT_EQ(window.windowTitle(), Qs(language == kEnglish ? "Radio Information" : "对讲机信息"));
        EXPECT_EQ(window.findChild<QLineEdit*>("Text1_0")->text(), "ZB3");
        EXPECT_EQ(window.findChild<QLineEdit*>("Text1_1")->text(), "24.000000 - 30.105000 MHz");
        EXPECT_EQ(window.findChild<QLineEdit*>("Text1_2")->text(), "20250101");
        for (const char* box : {"Text1_0", "Text1_1", "Text1_2"})
            EXPECT_TRUE(window.findChild<QLineEdit*>(box)->isReadOnly()) << box;
        EXPECT_FALSE(window.findChild<QPushButton*>("CommandHelp")->isVisibleTo(&window));
        window.show();
        window.findChild<QPushButton*>("CommandClose")->click();
        EXPECT_FALSE(window.isVisible());
    }
    EXPECT_EQ(m.SerialNumber.Raw(), "20250101");  // shown only
}
