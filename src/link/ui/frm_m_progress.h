#pragma once
// The progress window of a group write: the block progress of the radio being written and
// the number of that radio. Closing it ends the group write.

#include <QDialog>
#include <functional>

class QLabel;
class QProgressBar;

namespace zb {
struct AppContext;
}

namespace zb::ui {

class frmMProgress : public QDialog {
    Q_OBJECT
public:
    explicit frmMProgress(AppContext& ctx, QWidget* parent = nullptr);
    void ApplyLanguage();
    // Block bar and "N%" label together.
    void ShowPercent(int percent);
    // Radio bar and radio number label.
    void SetRadioNumber(int number);

    // The user closed the window (title bar, Escape). Called from the event loop, after the
    // close event has returned, so the handler may delete the window.
    std::function<void()> onUserClose;

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void UserClose();

    AppContext& ctx_;
    QProgressBar* bar1_;
    QProgressBar* bar2_;
    QLabel* label1_;
    QLabel* label2_;
    QLabel* label3_;
    QLabel* label4_;
    bool closeAsked_ = false;
};

}  // namespace zb::ui
