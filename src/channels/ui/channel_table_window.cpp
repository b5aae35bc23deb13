#include "channels/ui/channel_table_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTableWidget>
#include <QTimer>
#include <algorithm>
#include <string>

#include "app/context.h"
#include "base/messages.h"
#include "app/ui/ui_layout.h"
#include "app/ui/ui_text.h"
#include "base/messages.h"
#include "base/trapped.h"
#include "base/ui/radio_text_codec.h"
#include "base/ui/radio_text_guard.h"
#include "channels/channel_edit.h"
#include "channels/channel_table_texts.h"
#include "channels/freq_rules.h"
#include "codeplug/text_util.h"
#include "codeplug/tone_tables.h"
#include "features/roger_beep_rules.h"

namespace zb {
namespace {

using ui::Qs;
using ui::Std;
using ui::Tr;


// The integer field a column shows; columns 1, 2 and 5 have none.
int FieldValue(const ChannelRecord& r, int col) {
    switch (col) {
        case kFieldDecTone: return r.DecTone;
        case kFieldEncTone: return r.EncTone;
        case kFieldPlus10k: return r.Plus10k;
        case kFieldTsqFlag: return r.TsqFlag;
        case kFieldBusyFlag: return r.BusyFlag;
        case kFieldScan: return r.Scan;
        case kFieldRbLock: return r.RbLock;
        case kFieldRbTone: return r.RbTone;
        case kFieldRepEnable: return r.RepEnable;
        case kFieldRepShift: return r.RepShift;
        default: return 0;
    }
}

// Item index of a list, item 0 when outside, the empty text for an empty list.
QString ItemByIndex(const QComboBox* list, int index) {
    if (list->count() == 0) return {};
    if (index < 0 || index >= list->count()) index = 0;
    return list->itemText(index);
}

QString ItemByText(const QComboBox* list, const QString& text) {
    if (list->count() == 0) return {};
    const int index = list->findText(text, Qt::MatchExactly);
    return list->itemText(index < 0 ? 0 : index);
}

bool IsEnterKey(const QKeyEvent* key) {
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

// Up, Down, Page Up and Page Down move the cursor between rows as in any grid.
bool IsRowKey(const QKeyEvent* key) {
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    switch (key->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown: return true;
        default: return false;
    }
}

bool IsTabKey(const QKeyEvent* key) {
    return key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
}


}  // namespace

// ---------------------------------------------------------------------------------------
// Showing records

void frmCommChInfo::SetCell(int row, int col, const QString& text) {
    if (row < 1 || row > kLastGridRow || col < 0 || col >= kGridColCount) return;
    grid_->item(row - 1, col)->setText(text);
}

QString frmCommChInfo::CellText(int row, int col) const {
    if (row < 1 || row > kLastGridRow || col < 0 || col >= kGridColCount) return {};
    return grid_->item(row - 1, col)->text();
}

void frmCommChInfo::ClearRow(int row) {
    for (int col = 1; col <= kLastGridCol; ++col) SetCell(row, col, QString());
}

void frmCommChInfo::SetGridData() {
    for (int row = 1; row <= kLastGridRow; ++row) ClearRow(row);
    const int g = Group();
    CodeplugData& data = ctx_.Doc.Data;
    showingName_ = true;
    if (IsVfoGroup(g)) {
        ShowChIfoData(g == kVfoAGroup ? data.VfoA : data.VfoB, 1);
        nameLabel_->hide();
        nameBox_->hide();
        validBox_->setChecked((g == kVfoAGroup ? data.VfoAValid : data.VfoBValid) > 0);
    } else if (g >= 0 && g < kGroupCount) {
        const int count = UsedChannels(data, g);
        for (int i = 0; i < count; ++i) {
            const ChannelRecord& channel = ctx_.Doc.Channels[i][g];
            ShowChIfoData(channel, channel.ChNo);
        }
        nameLabel_->show();
        nameBox_->show();
        nameBox_->setText(ui::FromRadioText(CleanText(data.Groups[g].Name)));
        validBox_->setChecked(data.Groups[g].Valid > 0);
    }
    showingName_ = false;
}

void frmCommChInfo::ShowChIfoData(const ChannelRecord& record, int row) {
    if (row < 1 || row > kLastGridRow) return;  // a damaged ChNo has no row
    RunTrapped(*ctx_.prompter, chtext::trace::ShowChIfoData, [&] {
        SetCell(row, 1, Qs(StoredToFreqText(ctx_, record.RxFreq.Raw())));
        SetCell(row, 2, Qs(StoredToFreqText(ctx_, record.TxFreq.Raw())));
        for (int col = 3; col <= kLastGridCol; ++col) {
            if (col == 5) continue;
            if (col == kFieldRbTone) {
                SetCell(row, col, ItemByText(lists_[8], QString::number(record.RbTone + 1)));
            } else {
                SetCell(row, col, ItemByIndex(ListOfColumn(col), FieldValue(record, col)));
            }
        }
    });
}

void frmCommChInfo::reShowGrid(int rRow) {
    RunTrapped(*ctx_.prompter, chtext::trace::ReShowGrid, [&] {
        const int g = Group();
        if (IsVfoGroup(g)) {
            ShowChIfoData(g == kVfoAGroup ? ctx_.Doc.Data.VfoA : ctx_.Doc.Data.VfoB, 1);
            return;
        }
        if (rRow < 1 || rRow > kLastGridRow) return;
        const int count = UsedChannels(ctx_.Doc.Data, g);
        for (int i = 0; i < count; ++i) {
            if (ctx_.Doc.Channels[i][g].ChNo == rRow) {
                ShowChIfoData(ctx_.Doc.Channels[i][g], rRow);
                return;
            }
        }
        ClearRow(rRow);
        text1_->clear();
    });
}

void frmCommChInfo::ShowRB() {
    QComboBox* list = lists_[8];
    const QString remembered = list->currentText();
    FillRbList();
    if (!list->isHidden()) {
        const int index = list->findText(remembered, Qt::MatchExactly);
        list->setCurrentIndex(list->count() == 0 ? -1 : (index < 0 ? 0 : index));
    }
    const int g = Group();
    auto rewrite = [&](int row) {
        const int n = RbCellNumber(Std(CellText(row, kFieldRbTone)));
        SetCell(row, kFieldRbTone, QString::number(UsableSequenceOr(ctx_.Doc.Data, n)));
    };
    if (IsVfoGroup(g)) {
        rewrite(1);
        return;
    }
    const int count = UsedChannels(ctx_.Doc.Data, g);
    for (int i = 0; i < count; ++i) {
        const int row = ctx_.Doc.Channels[i][g].ChNo;
        if (row >= 1 && row <= kLastGridRow) rewrite(row);
    }
}

void frmCommChInfo::UpdateCaption() {
    const QListWidgetItem* entry = master_->currentItem();
    setWindowTitle(Qs(ChannelTableCaption(Std(Tr(ctx_, chtext::Caption)), edit_.CurrentChannel,
                                          entry ? Std(entry->text()) : std::string())));
}

// ---------------------------------------------------------------------------------------
// Cursor and editors

int frmCommChInfo::CurrentRow() const { return grid_->currentRow() + 1; }
int frmCommChInfo::CurrentCol() const {
    return grid_->currentRow() < 0 ? 0 : grid_->currentColumn();
}

QComboBox* frmCommChInfo::ListOfColumn(int col) const {
    return col >= 3 && col <= kLastGridCol ? lists_[col - 3] : nullptr;
}

void frmCommChInfo::MoveCursor(int row, int col) {
    if (row < 1 || col < 1) {
        grid_->setCurrentCell(-1, -1);
        return;
    }
    if (row == CurrentRow() && col == CurrentCol()) {
        RunEntry();  // the grid reports no change for the same cell
        return;
    }
    grid_->setCurrentCell(row - 1, col);
}

void frmCommChInfo::EnterCell() {
    RunEntry();
    // VFO0 and VFO1 edit row 1 only: a click or key that lands on another row takes the
    // cursor to row 1, so that what the user types next reaches its box.
    if (IsVfoGroup(Group()) && CurrentRow() > 1) MoveCursor(1, CurrentCol());
}

// A click on the current cell changes no cell; it reopens the cell's editor when a commit or
// a lost focus closed it, so the user can go on typing there.
void frmCommChInfo::CellClicked(int widgetRow, int col) {
    if (widgetRow + 1 != CurrentRow() || col != CurrentCol() || !HasCellEditor(col)) return;
    const QWidget* editor = col <= kFieldTxFreq ? static_cast<QWidget*>(text1_) : ListOfColumn(col);
    if (editor->isHidden()) EnterCell();
}

QWidget* frmCommChInfo::OpenEditor() const {
    const int col = CurrentCol();
    if (edit_.EditRow != CurrentRow() || edit_.EditCol != col || !HasCellEditor(col)) return nullptr;
    QWidget* editor = col <= kFieldTxFreq ? static_cast<QWidget*>(text1_) : ListOfColumn(col);
    return editor->isHidden() ? nullptr : editor;
}

void frmCommChInfo::MoveRows(const QKeyEvent* key) {
    const int row = CurrentRow();
    if (row < 1) return;
    const int page = std::max(1, grid_->viewport()->height() / std::max(1, grid_->rowHeight(0)) - 1);
    int target = row;
    switch (key->key()) {
        case Qt::Key_Up: target = row - 1; break;
        case Qt::Key_Down: target = row + 1; break;
        case Qt::Key_PageUp: target = row - page; break;
        case Qt::Key_PageDown: target = row + page; break;
        default: return;
    }
    target = std::clamp(target, 1, kLastGridRow);
    if (target != row) MoveCursor(target, CurrentCol());  // the cell entry commits first
}

// With the table focused the user acts on Enter and the row keys only: no keyboard search, no
// key that moves the cell or changes a channel behind the user's back. What is typed while the
// current cell's editor is open but not yet focused (the focus tick is pending) goes into that
// editor, Enter included.
bool frmCommChInfo::GridKey(QKeyEvent* key) {
    if (IsRowKey(key)) {
        RunTrapped(*ctx_.prompter, chtext::trace::EnterCell, [&] { MoveRows(key); });
        return true;
    }
    if (IsTabKey(key)) return false;  // leaves the table (tab key navigation is off)
    if (QWidget* editor = OpenEditor(); editor && (IsEnterKey(key) || !key->text().isEmpty())) {
        editor->setFocus();
        QCoreApplication::sendEvent(editor, key);
        return true;
    }
    if (IsEnterKey(key) && MayEditCell(Group(), CurrentRow(), CurrentCol())) EnterGridEdit();
    return true;
}

void frmCommChInfo::RunEntry() {
    RunTrapped(*ctx_.prompter, chtext::trace::EnterCell,
         [this] { RunCellEntry(edit_, CurrentRow(), CurrentCol(), Group(), *this); });
}

bool frmCommChInfo::ReceiveCellHasText(int row) {
    bool has = false;
    RunTrapped(*ctx_.prompter, chtext::trace::FlexConcludeRx, [&] { has = !CellText(row, kFieldRxFreq).isEmpty(); });
    return has;
}

bool frmCommChInfo::FlexConcludeRx() { return ReceiveCellHasText(CurrentRow()); }

void frmCommChInfo::SetEditNoVisable() {
    const bool hadFocus = text1_->hasFocus();
    text1_->hide();
    for (QComboBox* list : lists_) list->hide();
    if (hadFocus) grid_->setFocus();
}

void frmCommChInfo::PlaceEditor(QWidget* editor, int row, int col) {
    const QRect cell = grid_->visualRect(grid_->model()->index(row - 1, col));
    const QPoint topLeft = grid_->viewport()->mapTo(page_, cell.topLeft());
    editor->setGeometry(QRect(topLeft, cell.size()));
    editor->raise();
}

void frmCommChInfo::PlaceVisibleEditor() {
    if (edit_.EditRow < 1) return;
    if (!text1_->isHidden() && (edit_.EditCol == 1 || edit_.EditCol == 2)) {
        PlaceEditor(text1_, edit_.EditRow, edit_.EditCol);
    } else if (QComboBox* list = ListOfColumn(edit_.EditCol); list && !list->isHidden()) {
        PlaceEditor(list, edit_.EditRow, edit_.EditCol);
    }
}

void frmCommChInfo::EnterGridEdit() {
    RunTrapped(*ctx_.prompter, chtext::trace::EnterGridEdit, [this] {
        const int row = CurrentRow(), col = CurrentCol();
        if (row < 1 || col < 1) return;
        savedTopRow_ = grid_->rowAt(0) + 1;
        edit_.EditCol = col;
        edit_.EditRow = row;
        if (col == kFieldRxFreq || col == kFieldTxFreq) {
            const QString text = CellText(row, col);
            PlaceEditor(text1_, row, col);
            text1_->show();
            text1_->setText(text);
            SetGridFocus(col);
            if (!text.isEmpty()) text1_->selectAll();
        } else if (HasCellEditor(col)) {
            QComboBox* list = ListOfColumn(col);
            PlaceEditor(list, row, col);
            list->setCurrentIndex(list->findText(CellText(row, col), Qt::MatchExactly));
            list->show();
            SetGridFocus(col);
        }
    });
}

void frmCommChInfo::SetGridFocus(int rCol) {
    focusTarget_ = rCol;
    focusTimer_->start();
}

void frmCommChInfo::FocusTick() {
    RunTrapped(*ctx_.prompter, chtext::trace::FocusTimer, [this] {
        // Hide before focusing, so that no hidden editor commits on losing the focus.
        if (focusTarget_ == 1 || focusTarget_ == 2) {
            for (QComboBox* list : lists_) {
                if (!list->isHidden()) list->hide();
            }
            if (text1_->isVisible() && text1_->isEnabled()) text1_->setFocus();
        } else if (QComboBox* target = ListOfColumn(focusTarget_)) {
            if (!text1_->isHidden()) text1_->hide();
            for (QComboBox* list : lists_) {
                if (list != target && !list->isHidden()) list->hide();
            }
            if (target->isVisible() && target->isEnabled()) target->setFocus();
        }
    });
}

void frmCommChInfo::CommitPendingEdit() { SaveShowGridData(); }

void frmCommChInfo::SaveShowGridData() {
    if (committing_ || edit_.EditRow <= 0) return;
    committing_ = true;  // hiding an editor moves the focus, which must not commit again
    RunTrapped(*ctx_.prompter, chtext::trace::SaveShowGridData, [this] {
        const int row = edit_.EditRow, col = edit_.EditCol;
        if ((col == kFieldRxFreq || col == kFieldTxFreq) && !text1_->isHidden()) {
            const bool hadFocus = text1_->hasFocus();
            text1_->hide();
            if (hadFocus) grid_->setFocus();
            const std::string typed = Std(text1_->text());
            SetCell(row, col, Qs(TypedFreqDisplay(typed)));
            EditChannelField(ctx_, row, col, typed);
        } else if (QComboBox* list = ListOfColumn(col); list && !list->isHidden()) {
            const QString text = list->currentText();
            SetCell(row, col, text);
            EditChannelField(ctx_, row, col, ListCommitValue(col, list->currentIndex(), Std(text)));
        }
    });
    committing_ = false;
}

void frmCommChInfo::EditorFocusLost(QWidget* editor) {
    const int col = edit_.EditCol;
    if (editor == text1_) {
        if ((col == kFieldRxFreq || col == kFieldTxFreq) && !text1_->isHidden()) SaveShowGridData();
        return;
    }
    if (editor == ListOfColumn(col) && !editor->isHidden() && editor->isEnabled()) {
        RunTrapped(*ctx_.prompter, chtext::trace::ListValidate, [this] { SaveShowGridData(); });
    }
}

void frmCommChInfo::GridNextLine() {
    RunTrapped(*ctx_.prompter, chtext::trace::GridNextLine, [this] {
        MoveCursor(zb::GridNextLine(CurrentRow(), Group()), CurrentCol());
    });
}

void frmCommChInfo::GridNextCol() {
    RunTrapped(*ctx_.prompter, chtext::trace::GridNextCol, [this] {
        const NextColStep step = zb::GridNextCol(CurrentCol(), Group());
        if (step.wrapsLine) {
            edit_.SkipEnterCell = true;
            MoveCursor(CurrentRow(), 1);
            GridNextLine();
        } else {
            MoveCursor(CurrentRow(), step.col);
        }
    });
}

// Enter in the frequency box or in a list.
void frmCommChInfo::EditorEnter() {
    const int col = CurrentCol();
    if (col == kFieldRxFreq && text1_->text().isEmpty()) {
        GridNextLine();
    } else if (col >= 1 && col <= kLastGridCol) {
        GridNextCol();
    }
}

void frmCommChInfo::Scrolled() {
    RunTrapped(*ctx_.prompter, chtext::trace::Scroll, [this] {
        if (!ScrollMovesCursor(Group()) || scrollGuard_->isActive()) return;
        scrollGuard_->start();
        const int current = CurrentRow();
        if (current < 1) return;
        if (auto row = ScrolledCursorRow(current, savedTopRow_, grid_->rowAt(0) + 1)) {
            const QSignalBlocker block(grid_);
            grid_->setCurrentCell(*row - 1, CurrentCol());
        }
        if (CurrentRow() != edit_.EditRow) RunEntry();
    });
}

// ---------------------------------------------------------------------------------------
// Group name and valid flag

void frmCommChInfo::ValidClicked(bool checked) {
    RunTrapped(*ctx_.prompter, chtext::trace::ValidClick, [&] { ApplyValid(checked); });
}

void frmCommChInfo::ApplyValid(bool checked) {
    CodeplugData& data = ctx_.Doc.Data;
    const int g = Group();
    if (g == kVfoAGroup) {
        data.VfoAValid = checked ? 1 : 0;
        return;
    }
    if (g == kVfoBGroup) {
        data.VfoBValid = checked ? 1 : 0;
        return;
    }
    if (g < 0 || g >= kGroupCount) return;
    // Each band keeps at least one valid group.
    if (!checked && data.Groups[g].Valid != 0 && CountValidGroups(ctx_, g) <= 1) {
        validBox_->setChecked(true);
        checked = true;
    }
    data.Groups[g].Valid = checked ? 1 : 0;
    RefreshResetSelection(ctx_, true);
}

void frmCommChInfo::NameChanged(const QString& text) {
    const int g = Group();
    if (showingName_ || g < 0 || g >= kGroupCount) return;  // showing the name is no change
    RunTrapped(*ctx_.prompter, chtext::trace::NameChange, [&] {
        ctx_.Doc.Data.Groups[g].Name.Set(ui::ToRadioText(text, kNameBoxMaxLength));
    });
}

// ---------------------------------------------------------------------------------------
// Events

bool frmCommChInfo::eventFilter(QObject* watched, QEvent* event) {
    const bool isList = watched != grid_ && watched != text1_ && watched != nameBox_;
    if (event->type() == QEvent::KeyPress) {
        // The boxes' guards have already dropped refused characters and clipboard keys.
        auto* key = static_cast<QKeyEvent*>(event);
        if (watched == grid_) return GridKey(key);
        if (watched == text1_) {
            if (IsEnterKey(key)) {
                RunTrapped(*ctx_.prompter, chtext::trace::TextKeyPress, [this] { EditorEnter(); });
                return true;
            }
            if (IsRowKey(key)) {
                RunTrapped(*ctx_.prompter, chtext::trace::TextKeyPress, [&] { MoveRows(key); });
                return true;
            }
            return false;
        }
        if (isList && IsEnterKey(key)) {
            RunTrapped(*ctx_.prompter, chtext::trace::ListKeyPress, [this] { EditorEnter(); });
            return true;
        }
        return false;
    }
    if (event->type() == QEvent::FocusOut && watched != grid_ && watched != nameBox_) {
        // Only a focus change inside the program commits: a half-typed frequency is not
        // validated (and cannot delete a channel) because the user switched to another program.
        const auto* focus = static_cast<QFocusEvent*>(event);
        if (focus->reason() != Qt::PopupFocusReason && !ui::FocusLeftTheProgram(focus)) {
            EditorFocusLost(static_cast<QWidget*>(watched));
        }
    }
    return false;
}

void frmCommChInfo::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (channelTableOpen_ && !firstShow_) return;
    // Shown again after it was closed: open anew, so that the rules notify it again.
    if (!channelTableOpen_) RunTrapped(*ctx_.prompter, chtext::trace::FormLoad, [this] { FormLoad(); });
    firstShow_ = false;
    // On the first activation the cursor's cell opens its editor in its final place.
    QTimer::singleShot(0, this, [this] { RunEntry(); });
}

void frmCommChInfo::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    QTimer::singleShot(0, this, [this] { PlaceVisibleEditor(); });
}

void frmCommChInfo::closeEvent(QCloseEvent* event) {
    RunTrapped(*ctx_.prompter, chtext::trace::FormUnload, [this] {
        SaveShowGridData();
        channelTableOpen_ = false;
    });
    event->accept();
}

void frmCommChInfo::CloseWindow() {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        sub->close();
    } else {
        close();
    }
}

bool frmCommChInfo::IsChannelTableOpen() const { return channelTableOpen_; }

}  // namespace zb
