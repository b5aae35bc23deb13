#pragma once
// The channel table window (frmCommChInfo): one group at a time as a table of 40 channel rows,
// edited in place through a shared frequency box and one drop-down list per option column.
// Built in channel_table_window_build.cpp; its behaviour is in channel_table_window.cpp.
//
// Control names (objectName): TabStrip1, ComboGroup_0 / ComboGroup_1 (group selector of each
// tab), ListGroup (hidden master list of the 22 groups), LabelBand, LabelName, TextName,
// CheckValid, CommandChannel (hidden), MSFlexGrid1, Text1, Combo8_0 .. Combo8_10 (list k
// edits column k + 3), CommandClose, CommandHelp (hidden), TimerFocus, TimerScroll.
//
// Grid coordinates in this interface are those of the table: row = channel number 1..40
// (0 = header, no cell), column = field code 1..13 (0 = row-number column).

#include <QWidget>
#include <array>

#include "channels/channel_grid_rules.h"
#include "channels/channel_views.h"

class QCheckBox;
class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabBar;
class QTableWidget;
class QTimer;

namespace zb {

struct AppContext;
struct ChannelRecord;

class frmCommChInfo : public QWidget, public ChannelViews, private CellEntryHooks {
    Q_OBJECT

public:
    explicit frmCommChInfo(AppContext& ctx, QWidget* parent = nullptr);
    ~frmCommChInfo() override;

    // Captions, headers and lists in the current language (ChangShowByLanguage).
    void ApplyLanguage();

    // Commits the edit still open in the frequency box or a list (before Write to Radio).
    void CommitPendingEdit() override;

    // What the channel rules call.
    bool IsChannelTableOpen() const override;
    void reShowGrid(int rRow) override;
    void ShowRB() override;

    // Shows CurrentGroup in the table, its name and its valid flag.
    void SetGridData();
    void SetEditNoVisable();
    bool FlexConcludeRx();
    void EnterGridEdit() override;
    void GridNextLine();
    void GridNextCol();
    void SetGridFocus(int rCol);

    const GridEditState& EditState() const { return edit_; }
    int CurrentRow() const;  // 0 when no cell is current
    int CurrentCol() const;
    QString CellText(int row, int col) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void BuildControls();
    void FormLoad();
    void InitShowGrid();
    void FitColumns();
    void FillLists();
    void FillRbList();
    void ShowChIfoData(const ChannelRecord& record, int row);
    void ClearRow(int row);
    void SaveShowGridData();
    void UpdateCaption() override;

    void TabSwitch(int tab, int previousTab);
    void SelectorClicked(int tab);
    void SelectMasterEntry(int index);
    void GroupSelection();
    int MasterEntryOfSelector(int tab) const;

    void EnterCell();
    void RunEntry();
    QWidget* OpenEditor() const;  // the current cell's visible editor, or nullptr
    bool GridKey(QKeyEvent* key);
    void MoveRows(const QKeyEvent* key);
    void MoveCursor(int row, int col) override;
    bool ReceiveCellHasText(int row) override;
    void FocusTick();
    void Scrolled();
    void PlaceEditor(QWidget* editor, int row, int col);
    void PlaceVisibleEditor();
    void EditorFocusLost(QWidget* editor);
    void EditorEnter();
    void ValidClicked(bool checked);
    void ApplyValid(bool checked);
    void CellClicked(int widgetRow, int col);
    void NameChanged(const QString& text);
    void CloseWindow();

    QComboBox* ListOfColumn(int col) const;
    int Group() const;
    void SetCell(int row, int col, const QString& text);

    AppContext& ctx_;
    GridEditState edit_;
    bool channelTableOpen_ = false;
    bool isChangLanguage_ = false;
    bool firstShow_ = true;
    bool committing_ = false;
    bool showingName_ = false;
    int savedTopRow_ = 1;
    int focusTarget_ = 0;

    QTabBar* tabs_ = nullptr;
    QWidget* page_ = nullptr;
    QLabel* bandLabel_ = nullptr;
    std::array<QComboBox*, 2> selectors_{};
    QListWidget* master_ = nullptr;
    QLabel* nameLabel_ = nullptr;
    QLineEdit* nameBox_ = nullptr;
    QCheckBox* validBox_ = nullptr;
    QPushButton* channelButton_ = nullptr;
    QTableWidget* grid_ = nullptr;
    QLineEdit* text1_ = nullptr;
    std::array<QComboBox*, kGridListCount> lists_{};
    QPushButton* closeButton_ = nullptr;
    QPushButton* helpButton_ = nullptr;
    QTimer* focusTimer_ = nullptr;
    QTimer* scrollGuard_ = nullptr;
};

// The window the main window opens as an MDI child; the caller owns it and routes the
// channel-table calls of ctx.channelViews to it.
frmCommChInfo* CreateChannelTableWindow(AppContext& ctx, QWidget* parent = nullptr);

}  // namespace zb
