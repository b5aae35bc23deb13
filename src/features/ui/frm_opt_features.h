#pragma once
// The option features editor: radio-wide settings as pick-only lists, check boxes and the
// eight-character power-on text. Every change goes into the document at once.

#include <QWidget>
#include <array>

#include "features/option_features_rules.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zb {

struct AppContext;

class FrmOptFeatures : public QWidget {
    Q_OBJECT

public:
    explicit FrmOptFeatures(AppContext& ctx, QWidget* parent = nullptr);

    void ApplyLanguage();
    // Fills the lists again and shows the records again (after the document changed).
    void ReShowData();
    // Stores one control's state into the records: n for list n, 100 + n for check box n.
    void SaveOptFeat(int control);

private:
    void BuildControls();
    void FillLists();
    void ShowRecords();
    void PowerOnTextEdited();
    void CloseWindow();

    AppContext& ctx_;
    std::array<QComboBox*, kOptionListCount> lists_{};
    std::array<QLabel*, kOptionListCount> captions_{};
    std::array<QCheckBox*, kOptionCheckCount> checks_{};
    std::array<QLineEdit*, kPowerOnTextLength> powerOnBoxes_{};
    QLabel* powerOnCaption_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    QPushButton* helpButton_ = nullptr;
};

}  // namespace zb
