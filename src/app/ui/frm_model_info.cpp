#include "app/ui/frm_model_info.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "app/context.h"
#include "app/model_choice.h"
#include "app/ui/ui_text.h"
#include "base/messages.h"
#include "base/trapped.h"
#include "base/ui/list_ops.h"

namespace zb::ui {

FrmModelInfo::FrmModelInfo(AppContext& ctx, QWidget* parent)
    : QDialog(parent), ctx_(ctx), ok_(new QPushButton), cancel_(new QPushButton) {
    setObjectName("FrmModelInfo");
    auto* grid = new QGridLayout(this);
    for (int i = 0; i < 2; ++i) {
        labels_[i] = new QLabel;
        labels_[i]->setObjectName(QStringLiteral("Label1_%1").arg(i));
        lists_[i] = new QComboBox;
        lists_[i]->setObjectName(QStringLiteral("Combo1_%1").arg(i));
        grid->addWidget(labels_[i], i, 0);
        grid->addWidget(lists_[i], i, 1);
    }
    ok_->setObjectName("Command1");
    cancel_->setObjectName("Command2");
    grid->addWidget(ok_, 2, 0);
    grid->addWidget(cancel_, 2, 1);

    for (const std::string& m : ModelChoices()) lists_[0]->addItem(Qs(m));
    for (const std::string& b : BandChoices()) lists_[1]->addItem(Qs(b));
    SelectListText(lists_[0], Qs(ctx_.identity.ModelName));
    SelectListText(lists_[1], Qs(ctx_.identity.BandText));

    connect(ok_, &QPushButton::clicked, this, [this] {
        RunTrapped(*ctx_.prompter, "FrmModelInfo_Command1_Click", [&] {
            ApplyModelChoice(ctx_, Std(lists_[0]->currentText()), Std(lists_[1]->currentText()));
        });
        accept();
    });
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    ApplyLanguage();
}

void FrmModelInfo::ApplyLanguage() {
    setWindowTitle(Tr(ctx_, kModelInfoCaption));
    labels_[0]->setText(Tr(ctx_, kModelTypeLabel));
    labels_[1]->setText(Tr(ctx_, kFrequencyLabel));
    ok_->setText(Tr(ctx_, msg::OkButton));
    cancel_->setText(Tr(ctx_, msg::CancelButton));
}

}  // namespace zb::ui
