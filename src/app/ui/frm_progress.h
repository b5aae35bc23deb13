#pragma once
// The progress window of a read or a write of the whole radio. The radio link opens it and
// starts its conversation once the window is up.

#include <QDialog>
#include <functional>

class QLabel;
class QProgressBar;

namespace zb {
struct AppContext;
}

namespace zb::ui {

class FrmProgress : public QDialog {
    Q_OBJECT
public:
    explicit FrmProgress(AppContext& ctx, QWidget* parent = nullptr);
    void ApplyLanguage();
    void SetProgressValue(int percent);
    // Bar and "N%" label together.
    void ShowPercent(int percent);

    // Runs once when the window is first shown (the link's EnterProgramMode).
    std::function<void()> onLoaded;

protected:
    void showEvent(QShowEvent* event) override;
    // Only the end of the conversation closes the window (the link deletes it): Escape and
    // the window manager's close leave it up, so the main window stays blocked meanwhile.
    void closeEvent(QCloseEvent* event) override;
    void reject() override {}

private:
    AppContext& ctx_;
    QProgressBar* bar_;
    QLabel* label1_;
    QLabel* label2_;
    bool loaded_ = false;
};

}  // namespace zb::ui
