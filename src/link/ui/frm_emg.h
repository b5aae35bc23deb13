#pragma once
// Embedded Message: the radio's production and sales record, display only.

#include <QDialog>
#include <vector>

class QComboBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QLineEdit;
class QPushButton;

namespace zb {
struct AppContext;
}

namespace zb::ui {

class FrmEMG : public QDialog {
    Q_OBJECT
public:
    explicit FrmEMG(AppContext& ctx, QWidget* parent = nullptr);
    void ApplyLanguage();
    // Shows the current record again.
    void ShowByData();

private:
    AppContext& ctx_;
    std::vector<QLabel*> rowLabels_;  // in row order
    QComboBox* lists_[2];
    QLineEdit* boxes_[12] = {};       // Text1(0..11); Text1(4) is the reason box
    QPlainTextEdit* reason_;
    QGroupBox* dealer_;
    QPushButton* close_;
    QPushButton* help_;
};

}  // namespace zb::ui
