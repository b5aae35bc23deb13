#pragma once
// The communication port dialog: a list of the serial ports present (ctx.ports), refreshed
// every second.

#include <QDialog>

#include "link/port_choice.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTimer;

namespace zb {
struct AppContext;
}

namespace zb::ui {

class FrmComSet : public QDialog {
    Q_OBJECT
public:
    explicit FrmComSet(AppContext& ctx, QWidget* parent = nullptr);
    void ApplyLanguage();
    // Rebuilds the list, showing PortID when it is still there.
    void ReShowComPort();

    int PortID = 0;  // the port the list shows

private:
    void FillList(int portToShow);
    void CommandOK_Click();
    void CommandCheckCable_Click();

    AppContext& ctx_;
    PortChoice choice_;
    QLabel* label_;
    QComboBox* combo_;
    QPushButton* ok_;
    QPushButton* cancel_;
    QPushButton* checkCable_;
    QTimer* timer_;
};

}  // namespace zb::ui
