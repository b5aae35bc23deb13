#include "channels/ui/scan_info_window.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/context.h"
#include "app/ui/ui_layout.h"
#include "app/ui/ui_text.h"
#include "base/messages.h"
#include "channels/scan_info_rules.h"
#include "channels/scan_info_texts.h"

namespace zb {
namespace {

using ui::Qs;
using ui::Tr;

enum ScanList { kPriority, kPriorityChannel, kLookBackA, kLookBackB, kRevert, kDropout, kTxDwell };

}  // namespace

FrmScanInfo::FrmScanInfo(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName("FrmScanInfo");
    auto* grid = new QGridLayout;
    for (int k = 0; k < static_cast<int>(lists_.size()); ++k) {
        labels_[k] = new QLabel(this);
        labels_[k]->setObjectName(QString("Label1_%1").arg(k));
        labels_[k]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        lists_[k] = new QComboBox(this);
        lists_[k]->setObjectName(QString("Combo1_%1").arg(k));
        lists_[k]->setMinimumWidth(160);
        labels_[k]->setBuddy(lists_[k]);
        connect(lists_[k], &QComboBox::activated, this, [this, k] { ListClicked(k); });
        grid->addWidget(labels_[k], k, 0);
        grid->addWidget(lists_[k], k, 1);
    }
    closeButton_ = new QPushButton(this);
    closeButton_->setObjectName("CommandClose");
    connect(closeButton_, &QPushButton::clicked, this, &FrmScanInfo::CloseWindow);
    helpButton_ = new QPushButton(this);
    helpButton_->setObjectName("CommandHelp");
    helpButton_->hide();
    auto* buttons = ui::RightButtonRow({closeButton_, helpButton_});
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addLayout(buttons);

    FillLists();
    ApplyLanguage();
    ShowData();
}

void FrmScanInfo::ApplyLanguage() {
    setWindowTitle(Tr(ctx_, scantext::Caption));
    for (int k = 0; k < static_cast<int>(labels_.size()); ++k) {
        labels_[k]->setText(Tr(ctx_, scantext::Labels[k]));
    }
    closeButton_->setText(Tr(ctx_, msg::CloseButton));
    helpButton_->setText(Tr(ctx_, msg::HelpButton));
}

void FrmScanInfo::FillLists() {
    QComboBox* channel = lists_[kPriorityChannel];
    channel->clear();
    channel->addItem(Tr(ctx_, scantext::NoChannel));
    for (int n = 1; n < kPriorityChannelItems; ++n) channel->addItem(QString::number(n));
    for (int k : {kLookBackA, kLookBackB}) {
        lists_[k]->clear();
        for (int i = 0; i < kLookBackItems; ++i) lists_[k]->addItem(Qs(LookBackTimeText(i)));
    }
    for (int k : {kDropout, kTxDwell}) {
        lists_[k]->clear();
        for (int i = 0; i < kDelayItems; ++i) lists_[k]->addItem(QString::number(i));
    }
    lists_[kPriority]->clear();
    for (const TextTable& item : scantext::PriorityItems) lists_[kPriority]->addItem(Tr(ctx_, item));
}

void FrmScanInfo::RevertRule(int priority) {
    QComboBox* list = lists_[kRevert];
    list->clear();
    for (int value : RevertChoices(priority)) list->addItem(Tr(ctx_, scantext::RevertTexts[value]));
}

void FrmScanInfo::EnableRule(int priority) {
    const ScanListsEnabled enabled = ScanEnableRule(priority);
    lists_[kPriorityChannel]->setEnabled(enabled.priorityChannel);
    lists_[kLookBackA]->setEnabled(enabled.lookBackTimes);
    lists_[kLookBackB]->setEnabled(enabled.lookBackTimes);
}

void FrmScanInfo::ShowData() {
    const ScanInfoRecord copy = ctx_.Doc.Data.OptionSettings.ScanInfo;
    const ScanInfoRecord& scan = ctx_.Doc.Data.OptionSettings.ScanInfo;
    SelectIndex(kPriority, copy.Priority);
    SelectIndex(kPriorityChannel, copy.PriorityChannel == kNoPriorityChannel ? 0 : copy.PriorityChannel);
    SelectIndex(kLookBackA, copy.LookBackTimeA - 1);
    SelectIndex(kLookBackB, copy.LookBackTimeB - 1);
    RevertRule(scan.Priority);
    // The revert value as the priority brought it into form (a value that did not fit the
    // priority is not in the list).
    const int revert = scan.RevertChannel;
    SelectText(kRevert, revert >= 0 && revert < kRevertTextCount
                            ? Tr(ctx_, scantext::RevertTexts[revert])
                            : QString());
    SelectIndex(kDropout, copy.DropoutDelayTime);
    SelectIndex(kTxDwell, copy.TxDwellTime);
    EnableRule(scan.Priority);
}

void FrmScanInfo::SelectIndex(int list, int index) {
    QComboBox* combo = lists_[list];
    if (combo->count() == 0) {
        combo->setCurrentIndex(-1);
        return;
    }
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : 0);
    ListClicked(list);
}

void FrmScanInfo::SelectText(int list, const QString& text) {
    QComboBox* combo = lists_[list];
    if (combo->count() == 0) {
        combo->setCurrentIndex(-1);
        return;
    }
    const int index = combo->findText(text, Qt::MatchExactly);
    combo->setCurrentIndex(index < 0 ? 0 : index);
    ListClicked(list);
}

void FrmScanInfo::ListClicked(int list) {
    ScanInfoRecord& scan = ctx_.Doc.Data.OptionSettings.ScanInfo;
    const int index = lists_[list]->currentIndex();
    if (index < 0) return;
    const auto value = static_cast<int16_t>(index);
    switch (list) {
        case kPriority:
            scan.Priority = value;
            RevertRule(index);
            SelectText(kRevert, Tr(ctx_, scantext::RevertTexts[RevertAfterPriority(
                                         index, scan.RevertChannel)]));
            EnableRule(index);
            break;
        case kPriorityChannel:
            scan.PriorityChannel = index == 0 ? static_cast<int16_t>(kNoPriorityChannel) : value;
            break;
        case kLookBackA: scan.LookBackTimeA = static_cast<int16_t>(index + 1); break;
        case kLookBackB: scan.LookBackTimeB = static_cast<int16_t>(index + 1); break;
        case kRevert: {
            const QString text = lists_[kRevert]->currentText();
            for (int v = 0; v < kRevertTextCount; ++v) {
                if (text == Tr(ctx_, scantext::RevertTexts[v])) scan.RevertChannel = static_cast<int16_t>(v);
            }
            break;
        }
        case kDropout: scan.DropoutDelayTime = value; break;
        case kTxDwell: scan.TxDwellTime = value; break;
        default: break;
    }
}

void FrmScanInfo::CloseWindow() {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        sub->close();
    } else {
        close();
    }
}

FrmScanInfo* CreateScanInfoWindow(AppContext& ctx, QWidget* parent) {
    return new FrmScanInfo(ctx, parent);
}

}  // namespace zb
