#include "app/ui/frm_set_language.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "app/context.h"
#include "app/language_choice.h"
#include "app/ui/ui_layout.h"
#include "app/ui/ui_text.h"
#include "base/messages.h"
#include "base/trapped.h"

namespace zb::ui {

FrmSetLanguage::FrmSetLanguage(AppContext& ctx, QWidget* parent)
    : QDialog(parent), ctx_(ctx), label_(new QLabel), combo_(new QComboBox),
      ok_(new QPushButton), cancel_(new QPushButton) {
    setObjectName("FrmSetLanguage");
    label_->setObjectName("Label1");
    combo_->setObjectName("Combo1");
    ok_->setObjectName("Command1");
    cancel_->setObjectName("Command2");
    combo_->installEventFilter(this);

    auto* rows = new QVBoxLayout(this);
    auto* line = new QHBoxLayout;
    line->addWidget(label_);
    line->addWidget(combo_, 1);
    rows->addLayout(line);
    auto* buttons = RightButtonRow({ok_, cancel_});
    rows->addLayout(buttons);

    connect(ok_, &QPushButton::clicked, this, &FrmSetLanguage::Command1_Click);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    ApplyLanguage();
}

void FrmSetLanguage::ApplyLanguage() {
    setWindowTitle(Tr(ctx_, kLanguageDialogCaption));
    label_->setText(Tr(ctx_, kLanguageModeLabel));
    ok_->setText(Tr(ctx_, msg::OkButton));
    cancel_->setText(Tr(ctx_, msg::CancelButton));
    combo_->clear();
    for (const std::string& name : OfferedLanguageNames(ctx_)) combo_->addItem(Qs(name));
    combo_->setCurrentIndex(combo_->findText(Qs(CurrentLanguageName(ctx_))));
}

void FrmSetLanguage::Command1_Click() {
    RunTrapped(*ctx_.prompter, "FrmSetLanguage_Command1_Click", [&] {
        if (!ApplyLanguageChoice(ctx_, Std(combo_->currentText())))
            ctx_.prompter->Show(Text(ctx_, msg::FileError), Icon::Critical);
    });
    accept();
}

bool FrmSetLanguage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == combo_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            focusNextChild();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace zb::ui
