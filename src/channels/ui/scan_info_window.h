#pragma once
// The scan information editor: seven drop-down lists, one per ScanInfo value, each stored as
// soon as it is picked.
//
// Control names (objectName): Combo1_0 .. Combo1_6 (Priority, PriorityChannel, LookBackTimeA,
// LookBackTimeB, RevertChannel, DropoutDelayTime, TxDwellTime), Label1_0 .. Label1_6,
// CommandClose, CommandHelp (hidden).

#include <QWidget>
#include <array>

class QComboBox;
class QLabel;
class QPushButton;

namespace zb {

struct AppContext;

class FrmScanInfo : public QWidget {
    Q_OBJECT

public:
    explicit FrmScanInfo(AppContext& ctx, QWidget* parent = nullptr);

    void ApplyLanguage();

private:
    void FillLists();
    void ShowData();
    void RevertRule(int priority);
    void EnableRule(int priority);
    // Selects an item and runs the list's click handling, as a pick by the user would.
    void SelectIndex(int list, int index);
    void SelectText(int list, const QString& text);
    void ListClicked(int list);
    void CloseWindow();

    AppContext& ctx_;
    std::array<QComboBox*, 7> lists_{};
    std::array<QLabel*, 7> labels_{};
    QPushButton* closeButton_ = nullptr;
    QPushButton* helpButton_ = nullptr;
};

FrmScanInfo* CreateScanInfoWindow(AppContext& ctx, QWidget* parent = nullptr);

}  // namespace zb
