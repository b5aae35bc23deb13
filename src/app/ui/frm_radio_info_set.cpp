#include "app/ui/frm_radio_info_set.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/context.h"
#include "app/messages.h"
#include "app/radio_commands.h"
#include "app/radio_info_rules.h"
#include "app/trapped.h"
#include "app/ui/list_ops.h"
#include "app/ui/ui_text.h"
#include "base/ui/radio_text_codec.h"
#include "base/ui/radio_text_guard.h"
#include "codeplug/text_util.h"

namespace zb::ui {
namespace {

constexpr TextTable kCaption{"Set Radio Information", "设置对讲机信息"};
constexpr TextTable kLabels[4] = {
    {"Model Type", "机型类型"}, {"Frequency", "频率"}, {"Serial Number", "序号"}, {"版本", "版本"}};
constexpr TextTable kRead{"&Read", "读出(&R)"};
constexpr TextTable kWrite{"&Write", "写入(&W)"};
constexpr TextTable kTimeSync{"&Time Sync", "时间同步(&T)"};

// The boxes take 7-bit characters only, NUL excepted.
bool IsSevenBitChar(char32_t code) { return code != 0 && code <= 127; }

}  // namespace

FrmRadioInfoSet::FrmRadioInfoSet(AppContext& ctx, QWidget* parent)
    : QDialog(parent), ctx_(ctx), read_(new QPushButton), write_(new QPushButton),
      timeSync_(new QPushButton), close_(new QPushButton), help_(new QPushButton) {
    setObjectName("FrmRadioInfoSet");
    auto* grid = new QGridLayout(this);
    for (int i = 0; i < 4; ++i) {
        labels_[i] = new QLabel;
        labels_[i]->setObjectName(QStringLiteral("Label1_%1").arg(i));
        grid->addWidget(labels_[i], i, 0);
    }
    for (int i = 0; i < 2; ++i) {
        lists_[i] = new QComboBox;
        lists_[i]->setObjectName(QStringLiteral("Combo1_%1").arg(i));
        grid->addWidget(lists_[i], i, 1);
        boxes_[i] = new QLineEdit;
        boxes_[i]->setObjectName(QStringLiteral("Text1_%1").arg(i));
        GuardRadioText(boxes_[i], IsSevenBitChar);
        grid->addWidget(boxes_[i], i + 2, 1);
    }
    boxes_[0]->setMaxLength(10);
    boxes_[1]->setMaxLength(5);
    read_->setObjectName("CommandRead");
    write_->setObjectName("CommandWrite");
    timeSync_->setObjectName("CommandTimeSync");
    close_->setObjectName("CommandClose");
    help_->setObjectName("CommandHelp");
    help_->hide();
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {read_, write_, timeSync_, close_, help_}) buttons->addWidget(b);
    grid->addLayout(buttons, 4, 0, 1, 2);

    connect(lists_[0], &QComboBox::currentIndexChanged, this, &FrmRadioInfoSet::FillBandList);
    connect(timeSync_, &QPushButton::clicked, this, &FrmRadioInfoSet::CommandTimeSync_Click);
    connect(write_, &QPushButton::clicked, this, &FrmRadioInfoSet::CommandWrite_Click);
    connect(read_, &QPushButton::clicked, this, &FrmRadioInfoSet::CommandRead_Click);
    connect(close_, &QPushButton::clicked, this, &QDialog::accept);
    connect(boxes_[1], &QLineEdit::editingFinished, this,
            [this] { boxes_[1]->setText(Qs(FixVersionText(Std(boxes_[1]->text())))); });
    ApplyLanguage();
    ShowRecord();
    SetRadioCommands(nullptr);
}

void FrmRadioInfoSet::ApplyLanguage() {
    setWindowTitle(Tr(ctx_, kCaption));
    for (int i = 0; i < 4; ++i) labels_[i]->setText(Tr(ctx_, kLabels[i]));
    read_->setText(Tr(ctx_, kRead));
    write_->setText(Tr(ctx_, kWrite));
    timeSync_->setText(Tr(ctx_, kTimeSync));
    close_->setText(Tr(ctx_, msg::CloseButton));
    help_->setText(Tr(ctx_, msg::HelpButton));
}

void FrmRadioInfoSet::SetRadioCommands(RadioCommands* radio) {
    radio_ = radio;
    const bool on = radio_ != nullptr && radio_->Available();
    read_->setEnabled(on);
    write_->setEnabled(on);
}

// The maker's model tables are not part of this program: the list holds the record's type.
void FrmRadioInfoSet::ShowRecord() {
    RunTrapped(ctx_, "FrmRadioInfoSet_ShowData", [&] {
        const ModelInfoRecord& m = ctx_.Doc.Data.ModelInfo;
        {
            const QSignalBlocker quiet(lists_[0]);
            lists_[0]->clear();
            const QString type = Qs(ShownModelType(ctx_));
            if (!type.isEmpty()) lists_[0]->addItem(type);
            lists_[0]->setCurrentIndex(lists_[0]->count() > 0 ? 0 : -1);
        }
        FillBandList();
        SelectListText(lists_[1], Qs(BandTextOf(m.RadioBandCode)));
        boxes_[0]->setText(FromRadioText(CleanText(m.SerialNumber)));
        boxes_[1]->setText(FromRadioText(CleanText(m.VersionText)));
    });
}

void FrmRadioInfoSet::FillBandList() {
    const QSignalBlocker quiet(lists_[1]);
    const QString shown = lists_[1]->currentText();
    lists_[1]->clear();
    lists_[1]->addItem(Qs(kStandardBandText));
    lists_[1]->addItem(Qs(kWideBandText));
    lists_[1]->setCurrentIndex(std::max(0, lists_[1]->findText(shown)));
}

void FrmRadioInfoSet::CommandTimeSync_Click() {
    boxes_[0]->setText(Qs(TimeSyncText(Today(ctx_.fixedToday))));
}

void FrmRadioInfoSet::CommandWrite_Click() {
    RunTrapped(ctx_, "FrmRadioInfoSet_CommandWrite_Click", [&] {
        boxes_[1]->setText(Qs(FixVersionText(Std(boxes_[1]->text()))));
        StoreRadioInfo(ctx_, Std(lists_[0]->currentText()), Std(lists_[1]->currentText()),
                       ToRadioText(boxes_[0]->text()), ToRadioText(boxes_[1]->text()));
        if (radio_ != nullptr && radio_->Available()) radio_->WriteRadioInfo();
    });
}

void FrmRadioInfoSet::CommandRead_Click() {
    RunTrapped(ctx_, "FrmRadioInfoSet_CommandRead_Click", [&] {
        if (radio_ != nullptr && radio_->Available()) radio_->ReadRmgData(false);
    });
}

}  // namespace zb::ui
