#include "link/ui/frm_radio_info.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/context.h"
#include "app/messages.h"
#include "app/radio_info_rules.h"
#include "app/trapped.h"
#include "app/ui/ui_text.h"
#include "base/ui/radio_text_codec.h"
#include "codeplug/identity.h"
#include "codeplug/text_util.h"
#include "app/ui/ui_layout.h"

namespace zb::ui {
namespace {

constexpr TextTable kCaption{"Radio Information", "对讲机信息"};
constexpr TextTable kLabels[3] = {{"Model Type", "机型类型"}, {"Frequency", "频率"}, {"Serial Number", "序号"}};

}  // namespace

FrmRadioInfo::FrmRadioInfo(AppContext& ctx, QWidget* parent)
    : QDialog(parent), ctx_(ctx), close_(new QPushButton), help_(new QPushButton) {
    setObjectName("FrmRadioInfo");
    auto* grid = new QGridLayout(this);
    for (int i = 0; i < 3; ++i) {
        labels_[i] = new QLabel;
        labels_[i]->setObjectName(QStringLiteral("Label1_%1").arg(i));
        boxes_[i] = new QLineEdit;
        boxes_[i]->setObjectName(QStringLiteral("Text1_%1").arg(i));
        boxes_[i]->setReadOnly(true);
        boxes_[i]->setContextMenuPolicy(Qt::NoContextMenu);
        grid->addWidget(labels_[i], i, 0);
        grid->addWidget(boxes_[i], i, 1);
    }
    close_->setObjectName("CommandClose");
    help_->setObjectName("CommandHelp");
    help_->hide();
    auto* buttons = RightButtonRow({close_, help_});
    grid->addLayout(buttons, 3, 0, 1, 2);
    setMinimumWidth(320);
    connect(close_, &QPushButton::clicked, this, &QDialog::accept);
    ApplyLanguage();
    ShowRecord();
}

void FrmRadioInfo::ApplyLanguage() {
    setWindowTitle(Tr(ctx_, kCaption));
    for (int i = 0; i < 3; ++i) labels_[i]->setText(Tr(ctx_, kLabels[i]));
    close_->setText(Tr(ctx_, msg::CloseButton));
    help_->setText(Tr(ctx_, msg::HelpButton));
}

void FrmRadioInfo::ShowRecord() {
    RunTrapped(ctx_, "FrmRadioInfo_ShowData", [&] {
        const ModelInfoRecord& m = ctx_.Doc.Data.ModelInfo;
        boxes_[0]->setText(Qs(ShownModelType(ctx_)));
        boxes_[1]->setText(Qs(BandTextOf(m.RadioBandCode)));
        boxes_[2]->setText(FromRadioText(CleanText(m.SerialNumber)));
    });
}

}  // namespace zb::ui
