#include "base/prompter.h"

#include <utility>

namespace zb {

Answer FirstAnswer(Buttons buttons) {
    switch (buttons) {
        case Buttons::YesNo:
        case Buttons::YesNoCancel: return Answer::Yes;
        case Buttons::RetryCancel: return Answer::Retry;
        case Buttons::Ok:
        case Buttons::OkCancel: break;
    }
    return Answer::Ok;
}

Answer Prompter::Ask(std::string text, Icon icon, Buttons buttons, std::string title) {
    Message m;
    m.text = std::move(text);
    m.icon = icon;
    m.buttons = buttons;
    m.title = std::move(title);
    return Ask(m);
}

void Prompter::Show(std::string text, Icon icon, std::string title) {
    Ask(std::move(text), icon, Buttons::Ok, std::move(title));
}

Answer ScriptedPrompter::Ask(const Message& message) {
    messages.push_back(message);
    if (answers.empty()) return FirstAnswer(message.buttons);
    Answer a = answers.front();
    answers.pop_front();
    return a;
}

}  // namespace zb
