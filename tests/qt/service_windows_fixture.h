#pragma once
// A fresh document with the defaults of a new one, and an editor window of it shown active,
// for the key assignment, DTMF and FleetSync windows.

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "app/context.h"
#include "codeplug/defaults.h"
#include "support/qt_find.h"
#include "support/temp_dir.h"

namespace zb::test {

struct ServiceWindowFixture : ::testing::Test {
    TempDir dir;
    AppContext ctx;
    OptionSettingsRecord& settings = ctx.Doc.Data.OptionSettings;
    std::unique_ptr<QWidget> window;

    void SetUp() override {
        ctx.folders.programFolder = dir / "V200";  // no Init folder: defaults only
        ctx.folders.baseFolder = dir.path.string();
        ctx.versions.Firm = {{"V200", "V200"}};
        ctx.fixedToday = CalendarDate{2026, 12, 10};
        StartupInit(ctx);
    }

    template <class W>
    W* Open() {
        auto* made = new W(ctx);
        window.reset(made);
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        return made;
    }
    QComboBox* List(int k) const { return FindControl<QComboBox>(window.get(), QStringLiteral("Combo1_%1").arg(k)); }
    QLineEdit* Box(const char* name) const { return FindControl<QLineEdit>(window.get(), name); }
    QTableWidget* Grid() const { return FindControl<QTableWidget>(window.get(), "MSFlexGrid1"); }
    std::string Cell(int row, int col) const { return Grid()->item(row - 1, col)->text().toStdString(); }

    // Types into a box and leaves it for another control of the window.
    void TypeAndLeave(QLineEdit* box, const QString& keys, QWidget* next) {
        box->setFocus(Qt::MouseFocusReason);
        box->selectAll();
        if (keys.isEmpty()) {
            QTest::keyClick(box, Qt::Key_Delete);
        } else {
            QTest::keyClicks(box, keys);
        }
        next->setFocus(Qt::MouseFocusReason);
    }
    // Clicks a grid cell (row 1-based), which opens its edit box.
    void ClickCell(int row, int col) {
        QTableWidget* grid = Grid();
        const QRect cell = grid->visualItemRect(grid->item(row - 1, col));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    }
    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const Message& m : ctx.defaultPrompter.messages) texts.push_back(m.text);
        return texts;
    }
};

}  // namespace zb::test
