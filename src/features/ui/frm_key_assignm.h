#pragma once
// The key assignment editor: the functions of the programmable keys PF1 and PF2, each stored
// as soon as it is picked. A stored code that the list does not offer shows no selection and
// stays as it is until the user picks a function.
//
// Control names (objectName): Combo1_0 (PF1), Combo1_1 (PF2), Label1_0, Label1_1,
// CommandClose, CommandHelp (hidden).

#include <QWidget>
#include <array>

class QComboBox;
class QLabel;
class QPushButton;

namespace zb {
struct AppContext;
}

namespace zb::ui {

class FrmKeyAssignm : public QWidget {
    Q_OBJECT
public:
    explicit FrmKeyAssignm(AppContext& ctx, QWidget* parent = nullptr);

    void ApplyLanguage();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowData();
    void StoreChoice(int key);

    AppContext& ctx_;
    std::array<QComboBox*, 2> lists_{};
    std::array<QLabel*, 2> labels_{};
    QPushButton* close_ = nullptr;
    QPushButton* help_ = nullptr;
};

}  // namespace zb::ui
