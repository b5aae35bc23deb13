#include "app/ui/gui_prompter.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <vector>

#include "app/context.h"
#include "app/ui/ui_text.h"
#include "base/messages.h"

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
};

std::vector<ButtonAnswer> ButtonsOf(Buttons buttons) {
    switch (buttons) {
        case Buttons::Ok: return {{QMessageBox::Ok, Answer::Ok}};
        case Buttons::OkCancel: return {{QMessageBox::Ok, Answer::Ok}, {QMessageBox::Cancel, Answer::Cancel}};
        case Buttons::YesNo: return {{QMessageBox::Yes, Answer::Yes}, {QMessageBox::No, Answer::No}};
        case Buttons::YesNoCancel:
            return {{QMessageBox::Yes, Answer::Yes}, {QMessageBox::No, Answer::No},
                    {QMessageBox::Cancel, Answer::Cancel}};
        case Buttons::RetryCancel:
            return {{QMessageBox::Retry, Answer::Retry}, {QMessageBox::Cancel, Answer::Cancel}};
    }
    return {{QMessageBox::Ok, Answer::Ok}};
}

}  // namespace

Answer GuiPrompter::Ask(const Message& message) {
    QMessageBox box(BoxIcon(message.icon),
                    message.title.empty() ? QStringLiteral("ZB_347RX") : Qs(message.title),
                    Qs(message.text), QMessageBox::NoButton, QApplication::activeWindow());
    if (!message.detail.empty()) box.setInformativeText(Qs(message.detail));
    const auto answers = ButtonsOf(message.buttons);
    for (const ButtonAnswer& b : answers) {
        QAbstractButton* button = box.addButton(b.button);
        if (b.button == QMessageBox::Ok) button->setText(Tr(ctx_, msg::OkButton));
        if (b.button == QMessageBox::Cancel) button->setText(Tr(ctx_, msg::CancelButton));
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
