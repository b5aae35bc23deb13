#include "channels/ui/channel_table_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QTabBar>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <string>

#include "app/context.h"
#include "app/ui/ui_layout.h"
#include "app/ui/ui_text.h"
#include "base/messages.h"
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

constexpr int kTwipsPerPixel = 15;  // 96 dpi
constexpr int kFocusTickMs = 10;
constexpr int kScrollGuardMs = 500;
constexpr int kMasterEntryCount = 22;  // "1".."20", "VFO0", "VFO1"
constexpr int kSelectorGroups = 10;    // "1".."10" and "VFO" on each tab

int Px(int twips) { return twips / kTwipsPerPixel; }

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

template <std::size_t N>
void FillTexts(const AppContext& ctx, QComboBox* list, const std::array<TextTable, N>& items) {
    list->clear();
    for (const TextTable& item : items) list->addItem(Tr(ctx, item));
}

bool IsEnterKey(const QKeyEvent* key) {
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

bool IsClipboardKey(const QKeyEvent* key) {
    return key->matches(QKeySequence::Cut) || key->matches(QKeySequence::Copy) ||
           key->matches(QKeySequence::Paste);
}

// Whether a box filter lets the key's text through.
template <class Accepts>
bool KeyPasses(const QKeyEvent* key, Accepts accepts) {
    if (IsClipboardKey(key)) return false;
    for (const char32_t code : key->text().toUcs4()) {
        if (!accepts(code)) return false;
    }
    return true;
}

}  // namespace

template <class F>
bool frmCommChInfo::Trap(const char* trace, F&& step) {
    try {
        step();
        return true;
    } catch (...) {
    }
    try {
        ctx_.prompter->Show(trace);
    } catch (...) {
        // The message itself failed; the step still ends and the program goes on.
    }
    return false;
}

frmCommChInfo::frmCommChInfo(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName("frmCommChInfo");
    BuildControls();
    Trap(chtext::trace::FormLoad, [this] { FormLoad(); });
}

frmCommChInfo::~frmCommChInfo() {
    channelTableOpen_ = false;
    if (ctx_.channelViews == this) ctx_.channelViews = &ctx_.defaultChannelViews;
}

// ---------------------------------------------------------------------------------------
// Building and opening

void frmCommChInfo::BuildControls() {
    resize(Px(10000), Px(9200));

    tabs_ = new QTabBar(this);
    tabs_->setObjectName("TabStrip1");
    for (std::string_view text : chtext::TabTexts) tabs_->addTab(Qs(text));

    // One set of controls serves both tabs.
    page_ = new QWidget(this);
    page_->setObjectName("TabPage");
    page_->setMinimumHeight(Px(8100) - tabs_->sizeHint().height());

    bandLabel_ = new QLabel(page_);
    bandLabel_->setObjectName("LabelBand");
    bandLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (int t = 0; t < 2; ++t) {
        selectors_[t] = new QComboBox(page_);
        selectors_[t]->setObjectName(QString("ComboGroup_%1").arg(t));
        connect(selectors_[t], &QComboBox::activated, this, [this, t] { SelectorClicked(t); });
    }
    master_ = new QListWidget(page_);
    master_->setObjectName("ListGroup");
    master_->hide();
    nameLabel_ = new QLabel(page_);
    nameLabel_->setObjectName("LabelName");
    nameLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    nameBox_ = new QLineEdit(page_);
    nameBox_->setObjectName("TextName");
    nameBox_->setMaxLength(kNameBoxMaxLength);
    nameBox_->setFixedWidth(nameBox_->fontMetrics().horizontalAdvance("WWWWWWWW") + 12);
    nameBox_->setContextMenuPolicy(Qt::NoContextMenu);
    nameBox_->setAcceptDrops(false);
    nameBox_->setAttribute(Qt::WA_InputMethodEnabled, false);
    nameBox_->setValidator(
        new QRegularExpressionValidator(QRegularExpression("[A-Za-z0-9]*"), nameBox_));
    nameBox_->installEventFilter(this);
    connect(nameBox_, &QLineEdit::textChanged, this, &frmCommChInfo::NameChanged);
    validBox_ = new QCheckBox(page_);
    validBox_->setObjectName("CheckValid");
    connect(validBox_, &QCheckBox::clicked, this, &frmCommChInfo::ValidClicked);
    channelButton_ = new QPushButton(page_);
    channelButton_->setObjectName("CommandChannel");
    channelButton_->hide();

    grid_ = new QTableWidget(kGridRowCount - 1, kGridColCount, page_);
    grid_->setObjectName("MSFlexGrid1");
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setSelectionBehavior(QAbstractItemView::SelectItems);
    grid_->verticalHeader()->hide();
    grid_->installEventFilter(this);
    connect(grid_, &QTableWidget::currentCellChanged, this, [this] { EnterCell(); });
    connect(grid_, &QTableWidget::cellClicked, this, &frmCommChInfo::CellClicked);
    connect(grid_->verticalScrollBar(), &QScrollBar::actionTriggered, this,
            [this] { QTimer::singleShot(0, this, [this] { Scrolled(); }); });

    // The editors float over the current cell.
    text1_ = new QLineEdit(page_);
    text1_->setObjectName("Text1");
    text1_->setMaxLength(kFreqBoxMaxLength);
    text1_->setAlignment(Qt::AlignCenter);
    text1_->setContextMenuPolicy(Qt::NoContextMenu);  // nothing can be pasted
    text1_->setAcceptDrops(false);
    text1_->setAttribute(Qt::WA_InputMethodEnabled, false);
    text1_->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9.]*"), text1_));
    text1_->installEventFilter(this);
    for (int k = 0; k < kGridListCount; ++k) {
        lists_[k] = new QComboBox(page_);
        lists_[k]->setObjectName(QString("Combo8_%1").arg(k));
        lists_[k]->installEventFilter(this);
    }

    auto* top = new QHBoxLayout;
    top->addWidget(bandLabel_);
    top->addWidget(selectors_[0]);
    top->addWidget(selectors_[1]);
    top->addSpacing(20);
    top->addWidget(nameLabel_);
    top->addWidget(nameBox_);
    top->addSpacing(20);
    top->addWidget(validBox_);
    top->addWidget(channelButton_);
    top->addStretch();
    auto* pageLayout = new QVBoxLayout(page_);
    pageLayout->addLayout(top);
    pageLayout->addWidget(grid_, 1, Qt::AlignHCenter);

    closeButton_ = new QPushButton(this);
    closeButton_->setObjectName("CommandClose");
    connect(closeButton_, &QPushButton::clicked, this, &frmCommChInfo::CloseWindow);
    helpButton_ = new QPushButton(this);
    helpButton_->setObjectName("CommandHelp");
    helpButton_->hide();
    auto* buttons = ui::RightButtonRow({closeButton_, helpButton_});

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(page_, 1);
    layout->addLayout(buttons);
    connect(tabs_, &QTabBar::currentChanged, this, [this](int t) { TabSwitch(t, 1 - t); });

    focusTimer_ = new QTimer(this);
    focusTimer_->setObjectName("TimerFocus");
    focusTimer_->setSingleShot(true);
    focusTimer_->setInterval(kFocusTickMs);
    connect(focusTimer_, &QTimer::timeout, this, &frmCommChInfo::FocusTick);
    scrollGuard_ = new QTimer(this);
    scrollGuard_->setObjectName("TimerScroll");
    scrollGuard_->setSingleShot(true);
    scrollGuard_->setInterval(kScrollGuardMs);
}

void frmCommChInfo::FormLoad() {
    Trap(chtext::trace::InitShowGrid, [this] { InitShowGrid(); });
    Trap(chtext::trace::ChangShowByLanguage, [this] { ApplyLanguage(); });
    // Always open on the band-0 tab.
    {
        const QSignalBlocker block(tabs_);
        tabs_->setCurrentIndex(0);
    }
    TabSwitch(0, 1);
    resize(std::max(width(), minimumSizeHint().width()), height());
    channelTableOpen_ = true;
    MoveCursor(1, 1);
}

void frmCommChInfo::InitShowGrid() {
    const QSignalBlocker block(grid_);
    grid_->horizontalHeader()->setFixedHeight(Px(510));
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    for (int col = 0; col < kGridColCount; ++col) {
        grid_->setColumnHidden(col, chtext::ColumnWidthTwips[col] == 0);
    }
    for (int r = 0; r < kLastGridRow; ++r) {
        for (int col = 0; col < kGridColCount; ++col) {
            if (grid_->item(r, col) != nullptr) continue;  // opened before
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignCenter);
            // The row-number column is fixed: the cursor never goes there.
            item->setFlags(col == 0 ? Qt::NoItemFlags : Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            grid_->setItem(r, col, item);
        }
    }
    // The QT/DQT lists are the same in every language.
    for (int k = 0; k < 2; ++k) {
        lists_[k]->clear();
        for (int tone = 0; tone < kToneIndexCount; ++tone) lists_[k]->addItem(Qs(ToneListText(tone)));
    }
    SetEditNoVisable();
}

void frmCommChInfo::ApplyLanguage() {
    isChangLanguage_ = true;
    // The lists come first: showing the group reads them.
    FillLists();

    master_->clear();
    for (int i = 0; i < kMasterEntryCount; ++i) {
        master_->addItem(i < kGroupCount ? QString::number(i + 1)
                                         : QString("VFO%1").arg(i - kGroupCount));
    }
    const int group = ctx_.Doc.Data.CurrentGroup;
    SelectMasterEntry(group >= 0 && group < kMasterEntryCount ? group : 0);

    UpdateCaption();
    bandLabel_->setText(Tr(ctx_, chtext::BandLabel));
    nameLabel_->setText(Tr(ctx_, chtext::NameLabel));
    validBox_->setText(Tr(ctx_, chtext::ValidGroup));
    channelButton_->setText(Tr(ctx_, chtext::ChannelButton));
    closeButton_->setText(Tr(ctx_, msg::CloseButton));
    helpButton_->setText(Tr(ctx_, msg::HelpButton));
    QStringList headers;
    for (const TextTable& header : chtext::ColumnHeaders) headers << Tr(ctx_, header);
    grid_->setHorizontalHeaderLabels(headers);
    FitColumns();
    for (int row = 1; row <= kLastGridRow; ++row) SetCell(row, 0, QString::number(row));
    master_->hide();

    for (QComboBox* selector : selectors_) {
        selector->clear();
        for (int i = 0; i < kSelectorGroups; ++i) selector->addItem(master_->item(i)->text());
        selector->addItem("VFO");
    }
    const int current = ctx_.Doc.Data.CurrentGroup;
    int shown0 = 0, shown1 = 0;  // item indices of the two selectors
    if (current >= 0 && current < kSelectorGroups) shown0 = current;
    if (current >= kSelectorGroups && current < kGroupCount) shown1 = current - kSelectorGroups;
    if (current == kVfoAGroup) shown0 = kSelectorGroups;
    if (current == kVfoBGroup) shown1 = kSelectorGroups;
    selectors_[0]->setCurrentIndex(shown0);
    selectors_[1]->setCurrentIndex(shown1);
    const bool band0 = current == kVfoAGroup || current < kSelectorGroups;
    selectors_[0]->setVisible(band0);
    selectors_[1]->setVisible(!band0);
    isChangLanguage_ = false;
}

// The twips widths, widened where this platform's font needs more room for a header or a
// frequency; the table is as wide as its columns.
void frmCommChInfo::FitColumns() {
    const QFontMetrics cells(grid_->font());
    const QFontMetrics headers(grid_->horizontalHeader()->font());
    constexpr int kMargin = 16;
    int total = 0;
    for (int col = 0; col < kGridColCount; ++col) {
        const int twips = chtext::ColumnWidthTwips[col];
        if (twips == 0) continue;
        const QString header = grid_->horizontalHeaderItem(col)->text();
        int width = std::max(Px(twips), headers.horizontalAdvance(header) + kMargin);
        if (col == kFieldRxFreq || col == kFieldTxFreq) {
            width = std::max(width, cells.horizontalAdvance("30.105000") + kMargin);
        }
        grid_->setColumnWidth(col, width);
        total += width;
    }
    const int frame = 2 * grid_->frameWidth();
    grid_->setFixedWidth(std::max(Px(9220), total + grid_->verticalScrollBar()->sizeHint().width() + frame));
}

void frmCommChInfo::FillLists() {
    for (int k = 2; k <= 9; ++k) FillTexts(ctx_, lists_[k], chtext::NoYes);
    FillTexts(ctx_, lists_[6], chtext::DelAdd);
    FillRbList();
    FillTexts(ctx_, lists_[10], chtext::RepShift);
}

void frmCommChInfo::FillRbList() {
    QComboBox* list = lists_[8];
    list->clear();
    for (int n = 1; n <= kRogerBeepCount; ++n) {
        if (IsSequenceUsable(ctx_.Doc.Data, n)) list->addItem(QString::number(n));
    }
}

// ---------------------------------------------------------------------------------------
// Groups and tabs

int frmCommChInfo::MasterEntryOfSelector(int tab) const {
    const QString text = selectors_[tab]->currentText();
    bool isNumber = false;
    const int n = text.toInt(&isNumber);
    const QString entry = isNumber ? QString::number(tab * kSelectorGroups + n)
                                   : text + QString::number(tab);
    const auto found = master_->findItems(entry, Qt::MatchExactly);
    return found.isEmpty() ? 0 : master_->row(found.first());
}

void frmCommChInfo::TabSwitch(int tab, int previousTab) {
    if (tab < 0 || tab > 1) return;
    selectors_[tab]->show();
    if (previousTab >= 0 && previousTab <= 1 && previousTab != tab) selectors_[previousTab]->hide();
    SelectMasterEntry(MasterEntryOfSelector(tab));
}

void frmCommChInfo::SelectorClicked(int tab) {
    if (isChangLanguage_) return;
    SelectMasterEntry(MasterEntryOfSelector(tab));
}

void frmCommChInfo::SelectMasterEntry(int index) {
    master_->setCurrentRow(index);
    GroupSelection();
}

void frmCommChInfo::GroupSelection() {
    SaveShowGridData();
    MoveCursor(0, 0);
    edit_.EditRow = 0;
    SetEditNoVisable();
    const int index = master_->currentRow();
    ctx_.Doc.Data.CurrentGroup = static_cast<int16_t>(index < 0 ? 0 : index);
    Trap(chtext::trace::SetGridData, [this] { SetGridData(); });
    UpdateCaption();
}

int frmCommChInfo::Group() const { return ctx_.Doc.Data.CurrentGroup; }

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
        nameBox_->setText(Qs(CleanText(data.Groups[g].Name)));
        validBox_->setChecked(data.Groups[g].Valid > 0);
    }
    showingName_ = false;
}

void frmCommChInfo::ShowChIfoData(const ChannelRecord& record, int row) {
    if (row < 1 || row > kLastGridRow) return;  // a damaged ChNo has no row
    Trap(chtext::trace::ShowChIfoData, [&] {
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
    Trap(chtext::trace::ReShowGrid, [&] {
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

void frmCommChInfo::EnterCell() { RunEntry(); }

// A click on the current cell changes no cell; it reopens the cell's editor when a commit or
// a lost focus closed it, so the user can go on typing there.
void frmCommChInfo::CellClicked(int widgetRow, int col) {
    if (widgetRow + 1 != CurrentRow() || col != CurrentCol() || !HasCellEditor(col)) return;
    const QWidget* editor = col <= kFieldTxFreq ? static_cast<QWidget*>(text1_) : ListOfColumn(col);
    if (editor->isHidden()) RunEntry();
}

void frmCommChInfo::RunEntry() {
    Trap(chtext::trace::EnterCell,
         [this] { RunCellEntry(edit_, CurrentRow(), CurrentCol(), Group(), *this); });
}

bool frmCommChInfo::ReceiveCellHasText(int row) {
    bool has = false;
    Trap(chtext::trace::FlexConcludeRx, [&] { has = !CellText(row, kFieldRxFreq).isEmpty(); });
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
    Trap(chtext::trace::EnterGridEdit, [this] {
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
    Trap(chtext::trace::FocusTimer, [this] {
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
    Trap(chtext::trace::SaveShowGridData, [this] {
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
        Trap(chtext::trace::ListValidate, [this] { SaveShowGridData(); });
    }
}

void frmCommChInfo::GridNextLine() {
    Trap(chtext::trace::GridNextLine, [this] {
        MoveCursor(zb::GridNextLine(CurrentRow(), Group()), CurrentCol());
    });
}

void frmCommChInfo::GridNextCol() {
    Trap(chtext::trace::GridNextCol, [this] {
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
    Trap(chtext::trace::Scroll, [this] {
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
    Trap(chtext::trace::ValidClick, [&] { ApplyValid(checked); });
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
    Trap(chtext::trace::NameChange, [&] { ctx_.Doc.Data.Groups[g].Name.Set(Std(text)); });
}

// ---------------------------------------------------------------------------------------
// Events

bool frmCommChInfo::eventFilter(QObject* watched, QEvent* event) {
    const bool isList = watched != grid_ && watched != text1_ && watched != nameBox_;
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (watched == grid_) {
            if (!IsEnterKey(key)) return false;
            if (MayEditCell(Group(), CurrentRow(), CurrentCol())) EnterGridEdit();
            return true;
        }
        if (watched == text1_) {
            bool consumed = true;
            Trap(chtext::trace::TextKeyPress, [&] {
                if (IsEnterKey(key)) {
                    EditorEnter();
                } else {
                    consumed = !KeyPasses(key, FreqBoxAccepts);
                }
            });
            return consumed;
        }
        if (watched == nameBox_) {
            if (IsEnterKey(key)) {
                focusNextChild();
                return true;
            }
            return !KeyPasses(key, NameBoxAccepts);
        }
        if (isList && IsEnterKey(key)) {
            Trap(chtext::trace::ListKeyPress, [this] { EditorEnter(); });
            return true;
        }
        return false;
    }
    if (event->type() == QEvent::FocusOut && watched != grid_ && watched != nameBox_) {
        if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
            EditorFocusLost(static_cast<QWidget*>(watched));
        }
    }
    return false;
}

void frmCommChInfo::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (channelTableOpen_ && !firstShow_) return;
    // Shown again after it was closed: open anew, so that the rules notify it again.
    if (!channelTableOpen_) Trap(chtext::trace::FormLoad, [this] { FormLoad(); });
    firstShow_ = false;
    // On the first activation the cursor's cell opens its editor in its final place.
    QTimer::singleShot(0, this, [this] { RunEntry(); });
}

void frmCommChInfo::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    QTimer::singleShot(0, this, [this] { PlaceVisibleEditor(); });
}

void frmCommChInfo::closeEvent(QCloseEvent* event) {
    Trap(chtext::trace::FormUnload, [this] {
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

frmCommChInfo* CreateChannelTableWindow(AppContext& ctx, QWidget* parent) {
    return new frmCommChInfo(ctx, parent);
}

}  // namespace zb
