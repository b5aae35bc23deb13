#include "features/ui/frm_fleet_sync.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringListModel>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/context.h"
#include "base/messages.h"
#include "app/ui/frm_main.h"
#include "app/ui/ui_layout.h"
#include "app/ui/ui_text.h"
#include "base/trapped.h"
#include "features/fleet_sync_texts.h"
#include "features/ui/row_list_grid.h"
#include "features/ui/symbol_key_filter.h"

namespace zb::ui {
namespace {

enum FleetList { kOwnFleet, kOwnId, kBaudRate, kModulationDelay, kMessageTimer };

QStringList Numbers(int first, int last) {
    QStringList items;
    items.reserve(last - first + 1);
    for (int n = first; n <= last; ++n) items << QString::number(n);
    return items;
}

FleetColumn ColumnOf(int col) { return col == 1 ? FleetColumn::Fleet : FleetColumn::Id; }

}  // namespace

FrmFleetSync::FrmFleetSync(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName("FrmFleetSync");
    setWindowTitle(Tr(ctx_, fleettext::Caption));
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName("TabStrip1");
    tabs_->addTab(BuildSettingsTab(), Tr(ctx_, fleettext::Tabs[0]));
    tabs_->addTab(BuildListTab(), Tr(ctx_, fleettext::Tabs[1]));

    const CloseHelpButtons buttons = MakeCloseHelpButtons(ctx_, this);
    close_ = buttons.close;
    help_ = buttons.help;
    connect(close_, &QPushButton::clicked, this, [this] { CloseChildWindow(this); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addLayout(RightButtonRow({close_, help_}));

    RunTrapped(*ctx_.prompter, "FrmFleetSync_Form_Load", [&] {
        FillLists();
        ShowData();
    });
    for (int k = 0; k < kListCount; ++k)
        connect(lists_[k], &QComboBox::currentIndexChanged, this, [this, k] { StoreList(k); });
    connect(sideTone_, &QCheckBox::clicked, this, [this](bool on) {
        ctx_.Doc.Data.OptionSettings.FleetSyncSettings.PttIdSideTone = on ? 1 : 0;
    });
}

QWidget* FrmFleetSync::BuildSettingsTab() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    for (int k = 0; k < kListCount; ++k) {
        lists_[k] = new QComboBox;
        lists_[k]->setObjectName(QStringLiteral("Combo1_%1").arg(k));
        lists_[k]->setMinimumWidth(110);
        lists_[k]->setMaxVisibleItems(20);
        // Thousands of items: a plain string model, and a width that does not measure each.
        lists_[k]->setModel(new QStringListModel(lists_[k]));
        lists_[k]->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        lists_[k]->setMinimumContentsLength(6);
        labels_[k] = new QLabel(Tr(ctx_, fleettext::ListCaptions[static_cast<std::size_t>(k)]));
        labels_[k]->setObjectName(QStringLiteral("Label1_%1").arg(k));
        labels_[k]->setBuddy(lists_[k]);
        grid->addWidget(labels_[k], k, 0);
        grid->addWidget(lists_[k], k, 1);
    }
    sideTone_ = new QCheckBox(Tr(ctx_, fleettext::PttIdSideTone));
    sideTone_->setObjectName("Check1_0");
    grid->addWidget(sideTone_, kListCount, 0, 1, 2);
    grid->setRowStretch(kListCount + 1, 1);
    return page;
}

QWidget* FrmFleetSync::BuildListTab() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    fleetList_ = new RowListGrid(kFleetListRows, 2);
    fleetList_->Box()->setMaxLength(kFleetBoxWidth);
    new SymbolKeyFilter(fleetList_->Box(), &FleetListKey);
    QStringList headings;
    for (const TextTable& h : fleettext::ListHeadings) headings << Tr(ctx_, h);
    fleetList_->SetHeadings(headings);
    fleetList_->boxTextOf = [this](int row, int col) {
        const FleetColumn column = ColumnOf(col);
        return Qs(FleetBoxText(column, FleetListValue(ctx_.Doc.Data.OptionSettings, row, column)));
    };
    fleetList_->commit = [this](int row, int col, const QString& text) { return StoreCell(row, col, text); };
    layout->addWidget(fleetList_, 0, Qt::AlignHCenter);
    layout->addStretch();
    return page;
}

void FrmFleetSync::FillLists() {
    auto fill = [](QComboBox* list, const QStringList& items) {
        const QSignalBlocker quiet(list);
        static_cast<QStringListModel*>(list->model())->setStringList(items);
        list->setCurrentIndex(-1);
    };
    fill(lists_[kOwnFleet], Numbers(kFleetFirst, kFleetLast));
    fill(lists_[kOwnId], Numbers(kIdFirst, kIdLast));
    fill(lists_[kBaudRate], {QString::fromLatin1(fleettext::BaudItems[0]), QString::fromLatin1(fleettext::BaudItems[1])});
    fill(lists_[kModulationDelay], Numbers(0, kModulationDelayItems - 1));
    QStringList timer = Numbers(0, kMessageTimerItems - 1);
    timer.front() = Tr(ctx_, fleettext::Off);
    fill(lists_[kMessageTimer], timer);
}

// Showing stores nothing (see FrmDTMF::ShowData).
void FrmFleetSync::ShowData() {
    const FleetSyncSettingsRecord& f = ctx_.Doc.Data.OptionSettings.FleetSyncSettings;
    ApplyOwnPair(ShowOwnPair(f));
    const std::pair<int, int32_t> shown[] = {
        {kBaudRate, f.BaudRate}, {kModulationDelay, f.ModulationDelay}, {kMessageTimer, f.MessageModeTimer}};
    for (const auto& [list, value] : shown) {
        const QSignalBlocker quiet(lists_[list]);
        const int count = lists_[list]->count();
        lists_[list]->setCurrentIndex(value >= 0 && value < count ? static_cast<int>(value) : 0);
    }
    sideTone_->setChecked(f.PttIdSideTone != 0);
    const QString all = Tr(ctx_, fleettext::All);
    for (int row = 1; row <= kFleetListRows; ++row) {
        for (int col = 1; col <= 2; ++col) {
            const int32_t value = FleetListValue(ctx_.Doc.Data.OptionSettings, row, ColumnOf(col));
            fleetList_->SetCellText(row, col, Qs(FleetCellText(ColumnOf(col), value, Std(all))));
        }
    }
}

void FrmFleetSync::ApplyOwnPair(const OwnPairView& view) {
    for (QComboBox* list : {lists_[kOwnFleet], lists_[kOwnId]}) {
        const QSignalBlocker quiet(list);
        const bool hasBlank = ownPair_.blankItems;
        if (view.blankItems && !hasBlank) list->insertItem(0, QString());
        if (!view.blankItems && hasBlank) list->removeItem(0);
    }
    ownPair_ = view;
    const QSignalBlocker quietFleet(lists_[kOwnFleet]);
    const QSignalBlocker quietId(lists_[kOwnId]);
    lists_[kOwnFleet]->setCurrentIndex(view.fleetIndex);
    lists_[kOwnId]->setCurrentIndex(view.idIndex);
}

void FrmFleetSync::StoreList(int list) {
    RunTrapped(*ctx_.prompter, "FrmFleetSync_Combo1_Change", [&] {
        FleetSyncSettingsRecord& f = ctx_.Doc.Data.OptionSettings.FleetSyncSettings;
        const int index = lists_[list]->currentIndex();
        if (index < 0) return;
        switch (list) {
            case kOwnFleet: ApplyOwnPair(ChooseOwnFleet(f, ownPair_, index)); break;
            case kOwnId: ApplyOwnPair(ChooseOwnId(f, ownPair_, index)); break;
            case kBaudRate: f.BaudRate = static_cast<int16_t>(index); break;
            case kModulationDelay: f.ModulationDelay = index; break;
            case kMessageTimer: f.MessageModeTimer = index; break;
            default: break;
        }
    });
}

QString FrmFleetSync::StoreCell(int row, int col, const QString& text) {
    OptionSettingsRecord& settings = ctx_.Doc.Data.OptionSettings;
    const FleetColumn column = ColumnOf(col);
    RunTrapped(*ctx_.prompter, "FrmFleetSync_Text1_LostFocus", [&] {
        if (const auto value = FleetBoxValue(column, Std(text))) {
            StoreFleetListCell(settings, row, column, *value);
        } else {
            ctx_.prompter->Show(Text(ctx_, msg::InvalidData), Icon::Critical);
        }
    });
    return Qs(FleetCellText(column, FleetListValue(settings, row, column), Std(Tr(ctx_, fleettext::All))));
}

void FrmFleetSync::CommitPendingEdits() { fleetList_->CommitEdit(); }

void FrmFleetSync::closeEvent(QCloseEvent* event) {
    CommitPendingEdits();
    QWidget::closeEvent(event);
}

}  // namespace zb::ui
