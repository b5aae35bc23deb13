#include "link/ui/frm_m_progress.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QTimer>
#include <algorithm>

#include "app/context.h"
#include "app/ui/ui_text.h"
#include "base/trapped.h"
#include "link/link_texts.h"

namespace zb::ui {

frmMProgress::frmMProgress(AppContext& ctx, QWidget* parent)
    : QDialog(parent), ctx_(ctx), bar1_(new QProgressBar), bar2_(new QProgressBar),
      label1_(new QLabel), label2_(new QLabel), label3_(new QLabel), label4_(new QLabel) {
    setObjectName("frmMProgress");
    bar1_->setObjectName("ProgressBar1");
    bar2_->setObjectName("ProgressBar2");
    label1_->setObjectName("Label1");
    label2_->setObjectName("Label2");
    label3_->setObjectName("Label3");
    label4_->setObjectName("Label4");
    for (QProgressBar* bar : {bar1_, bar2_}) bar->setTextVisible(false);
    // Each caption ends just left of the value it names.
    for (QLabel* label : {label1_, label4_}) label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    bar1_->setRange(0, 100);
    bar1_->setValue(0);
    label2_->setText(QStringLiteral("0%"));
    bar2_->setRange(1, std::max<int>(1, ctx_.link.group.radioCount));
    bar2_->setValue(1);
    label3_->setText(QStringLiteral("1"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(label4_, 0, 0);
    grid->addWidget(label3_, 0, 1);
    grid->addWidget(bar2_, 1, 0, 1, 2);
    grid->addWidget(label1_, 2, 0);
    grid->addWidget(label2_, 2, 1);
    grid->addWidget(bar1_, 3, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    setMinimumWidth(360);
    ApplyLanguage();
}

void frmMProgress::ApplyLanguage() {
    RunTrapped(*ctx_.prompter, "ProgressChangShowByLanguageError", [&] {
        setWindowTitle(Tr(ctx_, msg::WriteCaption));
        label1_->setText(Tr(ctx_, msg::PercentLabel));
        label4_->setText(Tr(ctx_, msg::RadioNumberLabel));
    });
}

void frmMProgress::ShowPercent(int percent) {
    RunTrapped(*ctx_.prompter, "SetProgressValueError", [&] {
        bar1_->setValue(std::clamp(percent, 0, 100));
        label2_->setText(QStringLiteral("%1%").arg(percent));
    });
}

void frmMProgress::SetRadioNumber(int number) {
    // A count never confirmed (0) still shows the radio being written.
    if (number > bar2_->maximum()) bar2_->setMaximum(number);
    bar2_->setValue(std::max(number, bar2_->minimum()));
    label3_->setText(QString::number(number));
}

void frmMProgress::closeEvent(QCloseEvent* event) {
    // The program closes the window by deleting it; a close event is the user's.
    event->ignore();
    UserClose();
}

void frmMProgress::reject() { UserClose(); }

void frmMProgress::UserClose() {
    if (closeAsked_) return;
    closeAsked_ = true;
    QTimer::singleShot(0, this, [this] {
        closeAsked_ = false;
        // The handler may delete this window: run a copy and touch nothing afterwards.
        const std::function<void()> handler = onUserClose;
        if (handler) handler();
    });
}

}  // namespace zb::ui
