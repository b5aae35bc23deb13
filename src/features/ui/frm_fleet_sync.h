#pragma once
// The FleetSync editor: the radio's own fleet and ID with the signalling options, and the fleet
// list of up to eight fleet/ID entries. Every change goes into the document at once.
//
// Control names (objectName): TabStrip1 (tabs FleetSync, Fleet List); Combo1_0 (own fleet),
// Combo1_1 (own ID), Combo1_2 (baud rate), Combo1_3 (modulation delay), Combo1_4 (message mode
// timer), Label1_0 .. Label1_4, Check1_0 (PTT ID side tone); MSFlexGrid1 (fleet list: No.,
// Fleet, ID) with its edit box Text1; CommandClose, CommandHelp (hidden).

#include <QWidget>
#include <array>

#include "app/ui/child_window_factory.h"
#include "features/fleet_sync_rules.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;

namespace zb {
struct AppContext;
}

namespace zb::ui {

class RowListGrid;

class FrmFleetSync : public QWidget, public PendingEditCommitter {
    Q_OBJECT
public:
    static constexpr int kListCount = 5;

    explicit FrmFleetSync(AppContext& ctx, QWidget* parent = nullptr);

    // The fleet-list cell being edited stores what its box holds.
    void CommitPendingEdits() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* BuildSettingsTab();
    QWidget* BuildListTab();
    void FillLists();
    void ShowData();
    void ApplyOwnPair(const OwnPairView& view);
    void StoreList(int list);
    QString StoreCell(int row, int col, const QString& text);

    AppContext& ctx_;
    QTabWidget* tabs_ = nullptr;
    std::array<QComboBox*, kListCount> lists_{};
    std::array<QLabel*, kListCount> labels_{};
    QCheckBox* sideTone_ = nullptr;
    RowListGrid* fleetList_ = nullptr;
    QPushButton* close_ = nullptr;
    QPushButton* help_ = nullptr;
    OwnPairView ownPair_;
};

}  // namespace zb::ui
