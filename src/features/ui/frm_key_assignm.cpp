#include "features/ui/frm_key_assignm.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/context.h"
#include "base/messages.h"
#include "app/ui/frm_main.h"
#include "app/ui/ui_layout.h"
#include "app/ui/ui_text.h"
#include "base/trapped.h"
#include "features/key_assign_rules.h"
#include "features/key_assign_texts.h"

namespace zb::ui {
namespace {

int16_t& KeyCode(AppContext& ctx, int key) {
    auto& keys = ctx.Doc.Data.OptionSettings.KeyAssignment;
    return key == 0 ? keys.Pf1Function : keys.Pf2Function;
}

}  // namespace

FrmKeyAssignm::FrmKeyAssignm(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName("FrmKeyAssignm");
    auto* grid = new QGridLayout;
    for (int k = 0; k < 2; ++k) {
        labels_[k] = new QLabel(this);
        labels_[k]->setObjectName(QStringLiteral("Label1_%1").arg(k));
        lists_[k] = new QComboBox(this);
        lists_[k]->setObjectName(QStringLiteral("Combo1_%1").arg(k));
        lists_[k]->setMinimumWidth(200);
        lists_[k]->installEventFilter(this);
        labels_[k]->setBuddy(lists_[k]);
        grid->addWidget(labels_[k], k, 0);
        grid->addWidget(lists_[k], k, 1);
    }
    close_ = new QPushButton(this);
    close_->setObjectName("CommandClose");
    help_ = new QPushButton(this);
    help_->setObjectName("CommandHelp");
    help_->hide();
    connect(close_, &QPushButton::clicked, this, [this] { CloseChildWindow(this); });
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addLayout(RightButtonRow({close_, help_}));

    RunTrapped(*ctx_.prompter, "FrmKeyAssignm_Form_Load", [&] {
        ApplyLanguage();
        ShowData();
    });
    for (int k = 0; k < 2; ++k)
        connect(lists_[k], &QComboBox::currentIndexChanged, this, [this, k] { StoreChoice(k); });
}

void FrmKeyAssignm::ApplyLanguage() {
    setWindowTitle(Tr(ctx_, keytext::Caption));
    close_->setText(Tr(ctx_, msg::CloseButton));
    help_->setText(Tr(ctx_, msg::HelpButton));
    for (int k = 0; k < 2; ++k) {
        labels_[k]->setText(Tr(ctx_, keytext::KeyLabels[k]));
        const QSignalBlocker quiet(lists_[k]);
        const int selected = lists_[k]->currentIndex();
        lists_[k]->clear();
        for (int16_t code : kKeyPickCodes)
            lists_[k]->addItem(Tr(ctx_, keytext::Functions[static_cast<std::size_t>(*KeyFunctionTextEntry(code))]));
        lists_[k]->setCurrentIndex(selected);
    }
}

void FrmKeyAssignm::ShowData() {
    for (int k = 0; k < 2; ++k) {
        const QSignalBlocker quiet(lists_[k]);
        lists_[k]->setCurrentIndex(KeyPickPosition(KeyCode(ctx_, k)).value_or(-1));
    }
}

void FrmKeyAssignm::StoreChoice(int key) {
    RunTrapped(*ctx_.prompter, "FrmKeyAssignm_Combo1_Click", [&] {
        if (const auto code = KeyCodeOfPosition(lists_[key]->currentIndex())) KeyCode(ctx_, key) = *code;
    });
}

bool FrmKeyAssignm::eventFilter(QObject* watched, QEvent* event) {
    // Leaving a list stores its choice again, as validating it does.
    if (event->type() == QEvent::FocusOut) {
        for (int k = 0; k < 2; ++k)
            if (watched == lists_[k]) StoreChoice(k);
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace zb::ui
