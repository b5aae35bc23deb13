#pragma once
// Batch Set: the number of radios the next group write covers.

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace zb {
struct AppContext;
}

namespace zb::ui {

class FrmMulSet : public QDialog {
    Q_OBJECT
public:
    explicit FrmMulSet(AppContext& ctx, QWidget* parent = nullptr);
    void ApplyLanguage();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Command1_Click();

    AppContext& ctx_;
    QLineEdit* text1_;
    QLabel* label1_;
    QPushButton* command1_;
    QPushButton* command2_;
};

}  // namespace zb::ui
