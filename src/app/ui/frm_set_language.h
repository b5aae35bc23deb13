#pragma once
// The language dialog: English or Chinese, written to the settings file on OK.

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

namespace zb {
struct AppContext;
}

namespace zb::ui {

class FrmSetLanguage : public QDialog {
    Q_OBJECT
public:
    explicit FrmSetLanguage(AppContext& ctx, QWidget* parent = nullptr);
    void ApplyLanguage();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Command1_Click();

    AppContext& ctx_;
    QLabel* label_;
    QComboBox* combo_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

}  // namespace zb::ui
