#include "channels/ui/channel_table_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
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
#include "base/messages.h"
#include "app/ui/ui_layout.h"
#include "app/ui/ui_text.h"
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

constexpr int kTwipsPerPixel = 15;  // 96 dpi
constexpr int kFocusTickMs = 10;
constexpr int kScrollGuardMs = 500;
constexpr int kMasterEntryCount = 22;  // "1".."20", "VFO0", "VFO1"
constexpr int kSelectorGroups = 10;    // "1".."10" and "VFO" on each tab

int Px(int twips) { return twips / kTwipsPerPixel; }

template <std::size_t N>
void FillTexts(const AppContext& ctx, QComboBox* list, const std::array<TextTable, N>& items) {
    list->clear();
    for (const TextTable& item : items) list->addItem(Tr(ctx, item));
}

}  // namespace

frmCommChInfo::frmCommChInfo(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName("frmCommChInfo");
    BuildControls();
    RunTrapped(*ctx_.prompter, chtext::trace::FormLoad, [this] { FormLoad(); });
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
    nameBox_->setAttribute(Qt::WA_InputMethodEnabled, false);
    // The key filter alone: a validator would also refuse every edit of a stored name that
    // holds other characters (a blank, a Chinese character).
    ui::GuardRadioText(nameBox_, NameBoxAccepts);
    ui::LimitRadioTextBytes(nameBox_, kNameBoxMaxLength);
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
    // Tab leaves the table like any control instead of moving the cell; the window's filter
    // keeps the keyboard search and every other key from moving the cursor.
    grid_->setTabKeyNavigation(false);
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
    text1_->setAttribute(Qt::WA_InputMethodEnabled, false);
    text1_->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9.]*"), text1_));
    text1_->installEventFilter(this);
    ui::GuardRadioText(text1_, FreqBoxAccepts, ui::EnterKey::ToWindow);  // nothing can be pasted
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
    RunTrapped(*ctx_.prompter, chtext::trace::InitShowGrid, [this] { InitShowGrid(); });
    RunTrapped(*ctx_.prompter, chtext::trace::ChangShowByLanguage, [this] { ApplyLanguage(); });
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
    RunTrapped(*ctx_.prompter, chtext::trace::SetGridData, [this] { SetGridData(); });
    UpdateCaption();
}

int frmCommChInfo::Group() const { return ctx_.Doc.Data.CurrentGroup; }

frmCommChInfo* CreateChannelTableWindow(AppContext& ctx, QWidget* parent) {
    return new frmCommChInfo(ctx, parent);
}

}  // namespace zb