#pragma once
// The DTMF editor: encode and decode settings and the autodial memory, three tabs whose every
// change goes into the document at once.
//
// Control names (objectName): TabStrip1 (tabs Encode, Decode, Autodial Memory); Combo1_0 ..
// Combo1_4 (speed, first digit time, first digit delay, * and # tone, D code assignment),
// Check1_0 (side tone); Text1_0 (ID code), Combo1_5 .. Combo1_8 (group code, auto reset timer,
// call alert, transpond), Check1_1 (clear to transpond), Frame1 (stun) with Text1_1 (stun code)
// and Combo1_9 (stun type); Label1_k beside Combo1_k, Label2_0 / Label2_1 beside the ID and stun
// code boxes; MSFlexGrid1 with its edit box Text1_2 (autodial memory); CommandClose,
// CommandHelp (hidden).

#include <QWidget>
#include <array>

#include "app/ui/child_window_factory.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace zb {
struct AppContext;
}

namespace zb::ui {

class RowListGrid;

class FrmDTMF : public QWidget, public PendingEditCommitter {
    Q_OBJECT
public:
    static constexpr int kListCount = 10;

    explicit FrmDTMF(AppContext& ctx, QWidget* parent = nullptr);

    // The text boxes and the memory cell being edited store what they hold.
    void CommitPendingEdits() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* BuildEncodeTab();
    QWidget* BuildDecodeTab();
    QWidget* BuildMemoryTab();
    void FillLists();
    void ShowData();
    void StoreList(int list);
    void LeaveIdCode();
    void LeaveStunCode();
    QString StoreMemory(int row, const QString& text);

    AppContext& ctx_;
    QTabWidget* tabs_ = nullptr;
    std::array<QComboBox*, kListCount> lists_{};
    std::array<QLabel*, kListCount> labels_{};
    QCheckBox* sideTone_ = nullptr;
    QCheckBox* clearToTranspond_ = nullptr;
    QLineEdit* idCode_ = nullptr;
    QLineEdit* stunCode_ = nullptr;
    RowListGrid* memory_ = nullptr;
    QPushButton* close_ = nullptr;
    QPushButton* help_ = nullptr;
};

}  // namespace zb::ui
