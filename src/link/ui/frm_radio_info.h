#pragma once
// Radio Information: the model type, band and serial number of the document's model record,
// shown only.

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace zb {
struct AppContext;
}

namespace zb::ui {

class FrmRadioInfo : public QDialog {
    Q_OBJECT
public:
    explicit FrmRadioInfo(AppContext& ctx, QWidget* parent = nullptr);
    void ApplyLanguage();

private:
    void ShowRecord();

    AppContext& ctx_;
    QLabel* labels_[3];
    QLineEdit* boxes_[3];
    QPushButton* close_;
    QPushButton* help_;
};

}  // namespace zb::ui
