#include "app/ui/frm_com_set.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "app/context.h"
#include "app/messages.h"
#include "app/trapped.h"
#include "app/ui/ui_text.h"
#include "link/doctor_texts.h"
#include "link/link_texts.h"
#include "link/ui/frm_cable_check.h"
#include "link/serial_line.h"
#include "app/ui/ui_layout.h"

namespace zb::ui {
namespace {

constexpr TextTable kCaption{"Communication Port", "通信端口"};

}  // namespace

FrmComSet::FrmComSet(AppContext& ctx, QWidget* parent)
    : QDialog(parent), ctx_(ctx), label_(new QLabel), combo_(new QComboBox),
      ok_(new QPushButton), cancel_(new QPushButton), checkCable_(new QPushButton),
      timer_(new QTimer(this)) {
    setObjectName("FrmComSet");
    label_->setObjectName("Label1");
    combo_->setObjectName("Combo1");
    ok_->setObjectName("CommandOK");
    cancel_->setObjectName("CommandCancel");
    checkCable_->setObjectName("CommandCheckCable");
    timer_->setObjectName("ReShowComPortTimer");
    timer_->setInterval(kPortListRefreshMs);

    auto* rows = new QVBoxLayout(this);
    auto* line = new QHBoxLayout;
    line->addWidget(label_);
    line->addWidget(combo_, 1);
    rows->addLayout(line);
    auto* buttons = RightButtonRow({ok_, cancel_});
    buttons->insertWidget(0, checkCable_);  // left, apart from OK and Cancel
    rows->addLayout(buttons);

    connect(combo_, &QComboBox::currentIndexChanged, this, [this](int index) {
        SelectPort(choice_, index);
        PortID = choice_.portId;
    });
    connect(ok_, &QPushButton::clicked, this, &FrmComSet::CommandOK_Click);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(checkCable_, &QPushButton::clicked, this, &FrmComSet::CommandCheckCable_Click);
    connect(timer_, &QTimer::timeout, this, &FrmComSet::ReShowComPort);
    connect(this, &QDialog::finished, timer_, &QTimer::stop);
    ApplyLanguage();
    FillList(ctx_.settings.ComPort);
    timer_->start();
}

void FrmComSet::ApplyLanguage() {
    setWindowTitle(Tr(ctx_, kCaption));
    label_->setText(Tr(ctx_, msg::PortLabel));
    ok_->setText(Tr(ctx_, msg::OkButton));
    cancel_->setText(Tr(ctx_, msg::CancelButton));
    checkCable_->setText(Tr(ctx_, msg::doctor::CheckCableButton));
}

void FrmComSet::ReShowComPort() { FillList(PortID); }

void FrmComSet::FillList(int portToShow) {
    RunTrapped(ctx_, "FrmComSet_ReShowComPort", [&] {
        choice_ = BuildPortChoice(ctx_.ports ? ctx_.ports->ListPorts() : std::vector<int>{}, portToShow);
        PortID = choice_.portId;
        QStringList texts;
        for (const std::string& item : choice_.items) texts << Qs(item);
        QStringList current;
        for (int i = 0; i < combo_->count(); ++i) current << combo_->itemText(i);
        // An unchanged list is left alone, so an open drop-down stays open.
        if (texts == current && combo_->currentIndex() == choice_.selected) return;
        const QSignalBlocker quiet(combo_);
        combo_->clear();
        combo_->addItems(texts);
        combo_->setCurrentIndex(choice_.selected);
    });
}

// The cable check of the port shown in the list; the list stays as it is meanwhile.
void FrmComSet::CommandCheckCable_Click() {
    timer_->stop();
    {
        FrmCableCheck check(ctx_, PortID, this);
        check.exec();
    }
    timer_->start();
}

void FrmComSet::CommandOK_Click() {
    RunTrapped(ctx_, "FrmComSet_CommandOK_Click", [&] {
        ConfirmPortChoice(ctx_, choice_);
    });
    accept();
}

}  // namespace zb::ui
