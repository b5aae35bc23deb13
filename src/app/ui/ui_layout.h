#pragma once
// Layout pieces every window uses the same way.

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QStringList>
#include <QTableWidget>
#include <QWidget>
#include <initializer_list>

#include "app/ui/ui_text.h"
#include "base/messages.h"

namespace zb::ui {

// The window's buttons in a row at its right edge (OK/Cancel, Close/Help).
inline QHBoxLayout* RightButtonRow(std::initializer_list<QWidget*> buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    for (QWidget* button : buttons) row->addWidget(button);
    return row;
}

// The Close button of an editor window and its Help button, which is never shown.
struct CloseHelpButtons {
    QPushButton* close;
    QPushButton* help;
};

inline CloseHelpButtons MakeCloseHelpButtons(const AppContext& ctx, QWidget* parent) {
    auto* close = new QPushButton(Tr(ctx, msg::CloseButton), parent);
    close->setObjectName("CommandClose");
    auto* help = new QPushButton(Tr(ctx, msg::HelpButton), parent);
    help->setObjectName("CommandHelp");
    help->hide();
    return {close, help};
}

// A grid that only shows what it holds: no editing, no selection, no Tab moves.
inline QTableWidget* MakeReadOnlyGrid(const QStringList& headings, QWidget* parent) {
    auto* grid = new QTableWidget(0, static_cast<int>(headings.size()), parent);
    grid->setObjectName("MSFlexGrid1");
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    grid->setTabKeyNavigation(false);
    grid->verticalHeader()->hide();
    grid->setHorizontalHeaderLabels(headings);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return grid;
}

// Fills one row of a read-only grid with centred texts.
inline void SetCentredRow(QTableWidget* grid, int row, std::initializer_list<QString> cells) {
    int column = 0;
    for (const QString& text : cells) {
        auto* item = new QTableWidgetItem(text);
        item->setTextAlignment(Qt::AlignCenter);
        grid->setItem(row, column++, item);
    }
}

}  // namespace zb::ui
