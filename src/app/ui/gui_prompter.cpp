#include "app/ui/gui_prompter.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <vector>

#include "app/context.h"
#include "app/messages.h"
#include "app/ui/ui_text.h"

namespace zb::ui {
namespace {

QMessageBox::Icon BoxIcon(Icon icon) {
    switch (icon) {
        case Icon::Information: return QMessageBox::Information;
        case Icon::Warning: return QMessageBox::Warning;
        case Icon::Question: return QMessageBox::Question;
        case Icon::Critical: return QMessageBox::Critical;
        case Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

struct ButtonAnswer {
    QMessageBox::StandardButton button;
    Answer answer;
    const TextTable& caption;  // Qt's own captions are English whatever the language
};

std::vector<ButtonAnswer> ButtonsOf(Buttons buttons) {
    const ButtonAnswer ok{QMessageBox::Ok, Answer::Ok, msg::OkButton};
    const ButtonAnswer cancel{QMessageBox::Cancel, Answer::Cancel, msg::CancelButton};
    const ButtonAnswer yes{QMessageBox::Yes, Answer::Yes, msg::YesButton};
    const ButtonAnswer no{QMessageBox::No, Answer::No, msg::NoButton};
    const ButtonAnswer retry{QMessageBox::Retry, Answer::Retry, msg::RetryButton};
    switch (buttons) {
        case Buttons::Ok: return {ok};
        case Buttons::OkCancel: return {ok, cancel};
        case Buttons::YesNo: return {yes, no};
        case Buttons::YesNoCancel: return {yes, no, cancel};
        case Buttons::RetryCancel: return {retry, cancel};
    }
    return {ok};
}

}  // namespace

Answer GuiPrompter::Ask(const Message& message) {
    QMessageBox box(BoxIcon(message.icon),
                    message.title.empty() ? QStringLiteral("ZB_347RX") : Qs(message.title),
                    Qs(message.text), QMessageBox::NoButton, QApplication::activeWindow());
    if (!message.detail.empty()) box.setInformativeText(Qs(message.detail));
    const auto answers = ButtonsOf(message.buttons);
    for (const ButtonAnswer& b : answers) {
        box.addButton(b.button)->setText(Tr(ctx_, b.caption));
    }
    box.setDefaultButton(answers.front().button);
    box.exec();
    const auto pressed = box.standardButton(box.clickedButton());
    for (const ButtonAnswer& b : answers)
        if (b.button == pressed) return b.answer;
    // Closed with Escape or the title bar: the last button (Cancel or No), as a dialog would.
    return answers.back().answer;
}

}  // namespace zb::ui
