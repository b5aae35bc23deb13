#pragma once
// Layout pieces every window uses the same way.

#include <QHBoxLayout>
#include <QWidget>
#include <initializer_list>

namespace zb::ui {

// The window's buttons in a row at its right edge (OK/Cancel, Close/Help).
inline QHBoxLayout* RightButtonRow(std::initializer_list<QWidget*> buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    for (QWidget* button : buttons) row->addWidget(button);
    return row;
}

}  // namespace zb::ui
