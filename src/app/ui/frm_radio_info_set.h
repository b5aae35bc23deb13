#pragma once
// Set Radio Information: the model record of the document, edited, date-stamped and written
// to the radio.

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zb {
struct AppContext;
class RadioCommands;
}

namespace zb::ui {

class FrmRadioInfoSet : public QDialog {
    Q_OBJECT
public:
    explicit FrmRadioInfoSet(AppContext& ctx, QWidget* parent = nullptr);
    void ApplyLanguage();
    // Read and Write need the radio link; without it they are disabled.
    void SetRadioCommands(RadioCommands* radio);

private:
    void ShowRecord();
    void FillBandList();
    void CommandTimeSync_Click();
    void CommandWrite_Click();
    void CommandRead_Click();

    AppContext& ctx_;
    RadioCommands* radio_ = nullptr;
    QLabel* labels_[4];
    QComboBox* lists_[2];
    QLineEdit* boxes_[2];
    QPushButton* read_;
    QPushButton* write_;
    QPushButton* timeSync_;
    QPushButton* close_;
    QPushButton* help_;
};

}  // namespace zb::ui
