#include "app/ui/frm_emb_msg.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>

#include "app/context.h"
#include "app/local_info_rules.h"
#include "app/messages.h"
#include "app/trapped.h"
#include "app/ui/frm_main.h"
#include "app/ui/ui_text.h"
#include "app/ui/ui_layout.h"
#include "base/ui/radio_text_codec.h"
#include "base/ui/radio_text_guard.h"

namespace zb::ui {
namespace {

constexpr TextTable kCaption{"Local Information", "本机信息"};

FixedText<32>& Line(AppContext& ctx, int index) {
    auto& message = ctx.Doc.Data.OptionSettings.EmbeddedMessage;
    return index == 0 ? message.MessageLine1 : message.MessageLine2;
}

}  // namespace

FrmEmbMsg::FrmEmbMsg(AppContext& ctx, QWidget* parent)
    : QWidget(parent), ctx_(ctx), close_(new QPushButton), help_(new QPushButton) {
    setObjectName("FrmEmbMsg");
    auto* column = new QVBoxLayout(this);
    for (int i = 0; i < 2; ++i) {
        boxes_[i] = new QLineEdit;
        boxes_[i]->setObjectName(QStringLiteral("Text1_%1").arg(i));
        boxes_[i]->setMaxLength(kMessageLineWidth);
        boxes_[i]->setMinimumWidth(boxes_[i]->fontMetrics().horizontalAdvance(QString(34, 'W')));
        boxes_[i]->setText(FromRadioText(ShownMessageLine(Line(ctx_, i))));
        boxes_[i]->installEventFilter(this);
        GuardRadioText(boxes_[i], IsRadioTextCharAccepted);
        LimitRadioTextBytes(boxes_[i], kMessageLineWidth);
        column->addWidget(boxes_[i]);
    }
    close_->setObjectName("CommandClose");
    help_->setObjectName("CommandHelp");
    help_->hide();
    auto* buttons = RightButtonRow({close_, help_});
    column->addLayout(buttons);
    connect(close_, &QPushButton::clicked, this, [this] { CloseChildWindow(this); });
    ApplyLanguage();
}

void FrmEmbMsg::ApplyLanguage() {
    setWindowTitle(Tr(ctx_, kCaption));
    close_->setText(Tr(ctx_, msg::CloseButton));
    help_->setText(Tr(ctx_, msg::HelpButton));
}

// A line the user did not change stays as it is, byte for byte: storing it again would pad or
// cut it, and a text in the Chinese code page must never go through a conversion it does
// not need.
void FrmEmbMsg::StoreLine(int index) {
    RunTrapped(ctx_, "FrmEmbMsg_Text1_Validate", [&] {
        FixedText<32>& line = Line(ctx_, index);
        const QString text = boxes_[index]->text();
        if (text == FromRadioText(ShownMessageLine(line))) return;
        StoreMessageLine(line, ToRadioText(text, kMessageLineWidth));
    });
}

void FrmEmbMsg::CommitPendingEdits() {
    StoreLine(0);
    StoreLine(1);
}

bool FrmEmbMsg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut &&
        !FocusLeftTheProgram(static_cast<QFocusEvent*>(event))) {
        for (int i = 0; i < 2; ++i)
            if (watched == boxes_[i]) StoreLine(i);
    }
    return QWidget::eventFilter(watched, event);
}

void FrmEmbMsg::closeEvent(QCloseEvent* event) {
    // The box that has the focus is validated before the window goes.
    for (int i = 0; i < 2; ++i)
        if (boxes_[i]->hasFocus()) StoreLine(i);
    QWidget::closeEvent(event);
}

}  // namespace zb::ui
