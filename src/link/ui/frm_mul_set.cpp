#include "link/ui/frm_mul_set.h"

#include <QBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/context.h"
#include "app/ui/ui_layout.h"
#include "app/ui/ui_text.h"
#include "base/trapped.h"
#include "link/link_texts.h"
#include "link/radio_count.h"

namespace zb::ui {
namespace {

constexpr TextTable kNotACount{"Enter the number of radios as a whole number from 1 to 999.",
                               "请输入对讲机数量：1 至 999 的整数。"};

}  // namespace

FrmMulSet::FrmMulSet(AppContext& ctx, QWidget* parent)
    : QDialog(parent), ctx_(ctx), text1_(new QLineEdit), label1_(new QLabel),
      command1_(new QPushButton), command2_(new QPushButton) {
    setObjectName("FrmMulSet");
    text1_->setObjectName("Text1");
    label1_->setObjectName("Label1");
    command1_->setObjectName("Command1");
    command2_->setObjectName("Command2");
    text1_->setMaxLength(kRadioCountMaxLength);
    text1_->setText(QString::fromLatin1(kRadioCountInitialText));
    text1_->setContextMenuPolicy(Qt::NoContextMenu);
    text1_->installEventFilter(this);
    command1_->setAutoDefault(false);
    command2_->setAutoDefault(false);

    auto* column = new QVBoxLayout(this);
    auto* line = new QHBoxLayout;
    line->addWidget(label1_);
    line->addWidget(text1_, 1);
    column->addLayout(line);
    auto* buttons = RightButtonRow({command1_, command2_});
    column->addLayout(buttons);

    connect(command1_, &QPushButton::clicked, this, &FrmMulSet::Command1_Click);
    connect(command2_, &QPushButton::clicked, this, &QDialog::reject);
    ApplyLanguage();
}

void FrmMulSet::ApplyLanguage() {
    setWindowTitle(Tr(ctx_, msg::BatchSetCaption));
    label1_->setText(Tr(ctx_, msg::RadioCountLabel));
    command1_->setText(Tr(ctx_, msg::OkButton));
    command2_->setText(Tr(ctx_, msg::CancelButton));
}

void FrmMulSet::Command1_Click() {
    RunTrapped(*ctx_.prompter, "FrmMulSet_Command1_Click", [&] {
        if (ConfirmRadioCount(ctx_, Std(text1_->text()))) {
            accept();
            return;
        }
        // "#", "*" and A to D pass the key filter but make no count: say so and stay.
        ctx_.prompter->Show(Text(ctx_, kNotACount), Icon::Warning);
        text1_->setFocus();
        text1_->selectAll();
    });
}

bool FrmMulSet::eventFilter(QObject* watched, QEvent* event) {
    if (watched != text1_) return QDialog::eventFilter(watched, event);
    if (event->type() == QEvent::InputMethod) return true;  // composed text is never 7-bit
    if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->matches(QKeySequence::Cut) || key->matches(QKeySequence::Copy) ||
        key->matches(QKeySequence::Paste))
        return true;
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        focusNextChild();
        return true;
    }
    const QString text = key->text();
    if (text.isEmpty()) return false;  // arrows, Delete and the like
    QString kept;
    for (const QChar c : text) {
        const int out = FilterRadioCountKey(c.unicode());
        if (out == 0) continue;
        if (out < 32 || out == 127) return false;  // Backspace and friends: the box handles them
        kept += QChar(out);
    }
    if (!kept.isEmpty()) text1_->insert(kept);
    return true;
}

}  // namespace zb::ui
