#include "features/ui/frm_dtmf.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/context.h"
#include "base/messages.h"
#include "app/ui/frm_main.h"
#include "app/ui/ui_layout.h"
#include "app/ui/ui_text.h"
#include "base/trapped.h"
#include "base/ui/radio_text_guard.h"
#include "codeplug/text_util.h"
#include "features/dtmf_rules.h"
#include "features/dtmf_texts.h"
#include "features/ui/row_list_grid.h"
#include "features/ui/symbol_key_filter.h"

namespace zb::ui {
namespace {

enum DtmfList {
    kSpeed, kFirstDigitTime, kFirstDigitDelay, kStarHashTone, kDCode,
    kGroupCode, kAutoReset, kCallAlert, kTranspond, kStunType
};

// The fields stored as the list position.
int16_t* PositionField(DtmfSettingsRecord& d, int list) {
    switch (list) {
        case kSpeed: return &d.DtmfSpeed;
        case kFirstDigitTime: return &d.FirstDigitTime;
        case kStarHashTone: return &d.StarHashTone;
        case kDCode: return &d.DCodeAssignment;
        case kAutoReset: return &d.AutoResetTimer;
        case kCallAlert: return &d.CallAlert;
        case kTranspond: return &d.Transpond;
        case kStunType: return &d.StunType;
        default: return nullptr;
    }
}

// Leaving a box for another window of the program, not for another program.
bool LeftInsideProgram(QEvent* event) {
    if (event->type() != QEvent::FocusOut) return false;
    const auto* focus = static_cast<QFocusEvent*>(event);
    return focus->reason() != Qt::PopupFocusReason && !FocusLeftTheProgram(focus);
}

}  // namespace

FrmDTMF::FrmDTMF(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName("FrmDTMF");
    setWindowTitle(Tr(ctx_, dtmftext::Caption));
    for (int k = 0; k < kListCount; ++k) {
        lists_[k] = new QComboBox(this);
        lists_[k]->setObjectName(QStringLiteral("Combo1_%1").arg(k));
        lists_[k]->setMinimumWidth(140);
        labels_[k] = new QLabel(Tr(ctx_, dtmftext::ListCaptions[static_cast<std::size_t>(k)]), this);
        labels_[k]->setObjectName(QStringLiteral("Label1_%1").arg(k));
        labels_[k]->setBuddy(lists_[k]);
    }
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName("TabStrip1");
    tabs_->addTab(BuildEncodeTab(), Tr(ctx_, dtmftext::Tabs[0]));
    tabs_->addTab(BuildDecodeTab(), Tr(ctx_, dtmftext::Tabs[1]));
    tabs_->addTab(BuildMemoryTab(), Tr(ctx_, dtmftext::Tabs[2]));

    const CloseHelpButtons buttons = MakeCloseHelpButtons(ctx_, this);
    close_ = buttons.close;
    help_ = buttons.help;
    connect(close_, &QPushButton::clicked, this, [this] { CloseChildWindow(this); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addLayout(RightButtonRow({close_, help_}));

    RunTrapped(*ctx_.prompter, "FrmDTMF_Form_Load", [&] {
        FillLists();
        ShowData();
    });
    for (int k = 0; k < kListCount; ++k)
        connect(lists_[k], &QComboBox::currentIndexChanged, this, [this, k] { StoreList(k); });
    connect(sideTone_, &QCheckBox::clicked, this, [this](bool on) {
        ctx_.Doc.Data.OptionSettings.DtmfSettings.DtmfSideTone = on ? 1 : 0;
    });
    connect(clearToTranspond_, &QCheckBox::clicked, this, [this](bool on) {
        ctx_.Doc.Data.OptionSettings.DtmfSettings.ClearToTranspond = on ? 1 : 0;
    });
}

QWidget* FrmDTMF::BuildEncodeTab() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    for (int k = kSpeed; k <= kDCode; ++k) {
        grid->addWidget(labels_[k], k, 0);
        grid->addWidget(lists_[k], k, 1);
    }
    sideTone_ = new QCheckBox(Tr(ctx_, dtmftext::SideTone));
    sideTone_->setObjectName("Check1_0");
    grid->addWidget(sideTone_, kDCode + 1, 0, 1, 2);
    grid->setRowStretch(kDCode + 2, 1);
    return page;
}

QWidget* FrmDTMF::BuildDecodeTab() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    auto* idLabel = new QLabel(Tr(ctx_, dtmftext::IdCode));
    idLabel->setObjectName("Label2_0");
    idCode_ = new QLineEdit;
    idCode_->setObjectName("Text1_0");
    idCode_->setMaxLength(kIdCodeWidth);
    new SymbolKeyFilter(idCode_, &IdCodeKey);
    idCode_->installEventFilter(this);
    idLabel->setBuddy(idCode_);
    grid->addWidget(idLabel, 0, 0);
    grid->addWidget(idCode_, 0, 1);
    int row = 1;
    for (int k = kGroupCode; k <= kTranspond; ++k, ++row) {
        grid->addWidget(labels_[k], row, 0);
        grid->addWidget(lists_[k], row, 1);
    }
    clearToTranspond_ = new QCheckBox(Tr(ctx_, dtmftext::ClearToTranspond));
    clearToTranspond_->setObjectName("Check1_1");
    grid->addWidget(clearToTranspond_, row++, 0, 1, 2);

    auto* stun = new QGroupBox(Tr(ctx_, dtmftext::StunFrame));
    stun->setObjectName("Frame1");
    auto* stunGrid = new QGridLayout(stun);
    auto* stunLabel = new QLabel(Tr(ctx_, dtmftext::StunCode));
    stunLabel->setObjectName("Label2_1");
    stunCode_ = new QLineEdit;
    stunCode_->setObjectName("Text1_1");
    stunCode_->setMaxLength(kStunCodeWidth);
    new SymbolKeyFilter(stunCode_, &DtmfSymbolKey);
    stunCode_->installEventFilter(this);
    stunLabel->setBuddy(stunCode_);
    stunGrid->addWidget(stunLabel, 0, 0);
    stunGrid->addWidget(stunCode_, 0, 1);
    stunGrid->addWidget(labels_[kStunType], 1, 0);
    stunGrid->addWidget(lists_[kStunType], 1, 1);
    grid->addWidget(stun, row++, 0, 1, 2);
    grid->setRowStretch(row, 1);
    return page;
}

QWidget* FrmDTMF::BuildMemoryTab() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    memory_ = new RowListGrid(kDtmfMemoryRows, 1);
    memory_->Box()->setObjectName("Text1_2");
    memory_->Box()->setMaxLength(kDtmfMemoryWidth);
    new SymbolKeyFilter(memory_->Box(), &DtmfSymbolKey);
    memory_->SetHeadings({Tr(ctx_, dtmftext::MemoryHeadings[0]), Tr(ctx_, dtmftext::MemoryHeadings[1])});
    memory_->commit = [this](int row, int, const QString& text) { return StoreMemory(row, text); };
    layout->addWidget(memory_, 0, Qt::AlignHCenter);
    layout->addStretch();
    return page;
}

void FrmDTMF::FillLists() {
    auto fill = [](QComboBox* list, const QStringList& items) {
        const QSignalBlocker quiet(list);
        list->clear();
        list->addItems(items);
    };
    auto plain = [](const auto& texts) {
        QStringList items;
        for (const char* t : texts) items << QString::fromLatin1(t);
        return items;
    };
    const QString off = Tr(ctx_, dtmftext::Off);
    fill(lists_[kSpeed], plain(dtmftext::SpeedItems));
    fill(lists_[kFirstDigitTime], plain(dtmftext::ToneTimeItems));
    fill(lists_[kStarHashTone], plain(dtmftext::ToneTimeItems));
    QStringList delays;
    for (const std::string& item : FirstDigitDelayItems()) delays << Qs(item);
    fill(lists_[kFirstDigitDelay], delays);
    QStringList dcode{Tr(ctx_, dtmftext::DCode)};
    for (int s = 1; s <= 16; ++s) dcode << QString::number(s) + Tr(ctx_, dtmftext::Seconds);
    fill(lists_[kDCode], dcode);
    QStringList group{off};
    for (const char c : kGroupCodeChars) group << QString(QChar::fromLatin1(c));
    fill(lists_[kGroupCode], group);
    QStringList reset{off};
    for (int s = 1; s <= 15; ++s) reset << QString::number(s);
    fill(lists_[kAutoReset], reset);
    fill(lists_[kCallAlert], {off, Tr(ctx_, dtmftext::CallAlertItems[0]), Tr(ctx_, dtmftext::CallAlertItems[1])});
    fill(lists_[kTranspond], {off, Tr(ctx_, dtmftext::TranspondItems[0]), Tr(ctx_, dtmftext::TranspondItems[1])});
    fill(lists_[kStunType], {Tr(ctx_, dtmftext::StunTypeItems[0]), Tr(ctx_, dtmftext::StunTypeItems[1])});
}

// Showing stores nothing: a value out of range shows the first item and stays as stored until
// the user picks one.
void FrmDTMF::ShowData() {
    DtmfSettingsRecord& d = ctx_.Doc.Data.OptionSettings.DtmfSettings;
    for (int k = 0; k < kListCount; ++k) {
        const QSignalBlocker quiet(lists_[k]);
        int position = 0;
        if (const int16_t* field = PositionField(d, k)) {
            position = ShownListPosition(*field, lists_[k]->count());
        } else if (k == kFirstDigitDelay) {
            position = FirstDigitDelayPosition(d.FirstDigitDelay);
        } else if (k == kGroupCode) {
            position = GroupCodePosition(d.GroupCode);
        }
        lists_[k]->setCurrentIndex(position);
    }
    sideTone_->setChecked(d.DtmfSideTone != 0);
    clearToTranspond_->setChecked(d.ClearToTranspond != 0);
    idCode_->setText(Qs(ShownIdCode(d.IdCode)));
    stunCode_->setText(Qs(CleanText(d.StunCode)));
    for (int row = 1; row <= kDtmfMemoryRows; ++row)
        memory_->SetCellText(row, 1, Qs(ShownMemoryRow(ctx_.Doc.Data.OptionSettings, row)));
}

void FrmDTMF::StoreList(int list) {
    RunTrapped(*ctx_.prompter, "FrmDTMF_Combo1_Click", [&] {
        DtmfSettingsRecord& d = ctx_.Doc.Data.OptionSettings.DtmfSettings;
        const int position = lists_[list]->currentIndex();
        if (position < 0) return;
        if (int16_t* field = PositionField(d, list)) {
            *field = static_cast<int16_t>(position);
        } else if (list == kFirstDigitDelay) {
            d.FirstDigitDelay = FirstDigitDelayValue(position);
        } else if (list == kGroupCode) {
            d.GroupCode = GroupCodeOfPosition(position);
        }
    });
}

void FrmDTMF::LeaveIdCode() {
    RunTrapped(*ctx_.prompter, "FrmDTMF_Text1_LostFocus", [&] {
        FixedText<kIdCodeWidth>& code = ctx_.Doc.Data.OptionSettings.DtmfSettings.IdCode;
        const std::string text = Std(idCode_->text());
        if (text == ShownIdCode(code) || StoreIdCode(code, text)) return;
        idCode_->setText(QString::fromLatin1(kIdCodeReset));
        ctx_.prompter->Show(Text(ctx_, msg::InvalidData), Icon::Critical);
    });
}

void FrmDTMF::LeaveStunCode() {
    RunTrapped(*ctx_.prompter, "FrmDTMF_Text2_LostFocus", [&] {
        FixedText<kStunCodeWidth>& code = ctx_.Doc.Data.OptionSettings.DtmfSettings.StunCode;
        const std::string text = Std(stunCode_->text());
        if (text != CleanText(code)) StoreTextWithNul(code, text);
    });
}

QString FrmDTMF::StoreMemory(int row, const QString& text) {
    RunTrapped(*ctx_.prompter, "FrmDTMF_Text3_LostFocus",
               [&] { StoreMemoryRow(ctx_.Doc.Data.OptionSettings, row, Std(text)); });
    return Qs(ShownMemoryRow(ctx_.Doc.Data.OptionSettings, row));
}

void FrmDTMF::CommitPendingEdits() {
    if (idCode_->hasFocus()) LeaveIdCode();
    if (stunCode_->hasFocus()) LeaveStunCode();
    memory_->CommitEdit();
}

bool FrmDTMF::eventFilter(QObject* watched, QEvent* event) {
    if (LeftInsideProgram(event)) {
        if (watched == idCode_) LeaveIdCode();
        if (watched == stunCode_) LeaveStunCode();
    }
    return QWidget::eventFilter(watched, event);
}

void FrmDTMF::closeEvent(QCloseEvent* event) {
    CommitPendingEdits();
    QWidget::closeEvent(event);
}

}  // namespace zb::ui
