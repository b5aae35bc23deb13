#pragma once
// The communication port dialog: a list of the serial ports present, refreshed every second.

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;
class QTimer;

namespace zb {
struct AppContext;
class PortDirectory;
}

namespace zb::ui {

class FrmComSet : public QDialog {
    Q_OBJECT
public:
    explicit FrmComSet(AppContext& ctx, QWidget* parent = nullptr);
    void ApplyLanguage();
    // The system's port list; none lists nothing.
    void SetPortDirectory(PortDirectory* ports);
    // Rebuilds the list, showing PortID when it is still there.
    void ReShowComPort();

    int PortID = 0;  // the port the list shows

private:
    void FillList(int portToShow);
    void CommandOK_Click();

    AppContext& ctx_;
    PortDirectory* ports_ = nullptr;
    QLabel* label_;
    QComboBox* combo_;
    QPushButton* ok_;
    QPushButton* cancel_;
    QTimer* timer_;
};

}  // namespace zb::ui
