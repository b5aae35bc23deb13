#include "app/ui/frm_progress.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>

#include "app/context.h"
#include "app/trapped.h"
#include "app/ui/ui_text.h"

namespace zb::ui {
namespace {

constexpr TextTable kReadCaption{"Read data from radio", "从对讲机读取数据"};
constexpr TextTable kWriteCaption{"Write data to radio", "向对讲机写入数据"};
constexpr TextTable kPercentLabel{"Completion percentage:", "完成进度:"};

}  // namespace

FrmProgress::FrmProgress(AppContext& ctx, QWidget* parent)
    : QDialog(parent), ctx_(ctx), bar_(new QProgressBar), label1_(new QLabel), label2_(new QLabel) {
    setObjectName("FrmProgress");
    bar_->setObjectName("ProgressBar1");
    bar_->setRange(0, 100);
    bar_->setTextVisible(false);
    label1_->setObjectName("Label1");
    label2_->setObjectName("Label2");
    label1_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* column = new QVBoxLayout(this);
    auto* line = new QHBoxLayout;
    line->addWidget(label1_, 1);
    line->addWidget(label2_);
    column->addLayout(line);
    column->addWidget(bar_);
    setMinimumWidth(360);
    ApplyLanguage();
    RunTrapped(ctx_, "ProgressForm_LoadError", [&] { ShowPercent(0); });
}

void FrmProgress::ApplyLanguage() {
    RunTrapped(ctx_, "ProgressChangShowByLanguageError", [&] {
        setWindowTitle(Tr(ctx_, ctx_.link.CommMode == 2 ? kWriteCaption : kReadCaption));
        label1_->setText(Tr(ctx_, kPercentLabel));
    });
}

void FrmProgress::SetProgressValue(int percent) {
    RunTrapped(ctx_, "SetProgressValueError", [&] { bar_->setValue(std::clamp(percent, 0, 100)); });
}

void FrmProgress::ShowPercent(int percent) {
    SetProgressValue(percent);
    label2_->setText(QStringLiteral("%1%").arg(percent));
}

void FrmProgress::closeEvent(QCloseEvent* event) { event->ignore(); }

void FrmProgress::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (loaded_) return;
    loaded_ = true;
    if (onLoaded && (ctx_.link.CommMode == 1 || ctx_.link.CommMode == 2))
        RunTrapped(ctx_, "ProgressForm_LoadError", onLoaded);
}

}  // namespace zb::ui
