#pragma once
// The model information dialog: model and band; a change starts a new document.

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

namespace zb {
struct AppContext;
}

namespace zb::ui {

class FrmModelInfo : public QDialog {
    Q_OBJECT
public:
    explicit FrmModelInfo(AppContext& ctx, QWidget* parent = nullptr);
    void ApplyLanguage();

private:
    AppContext& ctx_;
    QLabel* labels_[2];
    QComboBox* lists_[2];
    QPushButton* ok_;
    QPushButton* cancel_;
};

}  // namespace zb::ui
