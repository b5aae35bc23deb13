#pragma once
// Message boxes and questions. The GUI answers with a dialog, the command line from its
// options, tests from a script.

#include <deque>
#include <string>
#include <vector>

namespace zb {

enum class Icon { None, Information, Warning, Question, Critical };
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class Answer { Ok, Cancel, Yes, No, Retry };

struct Message {
    std::string text;
    Icon icon = Icon::None;
    Buttons buttons = Buttons::Ok;
    std::string title;   // empty: the program's own title
    std::string detail;  // optional detail text (e.g. why a port cannot be opened)
};

// The answer of the first button of a set (OK, Yes, Retry).
Answer FirstAnswer(Buttons buttons);

class Prompter {
public:
    virtual ~Prompter() = default;
    virtual Answer Ask(const Message& message) = 0;

    // Shorthands.
    Answer Ask(std::string text, Icon icon, Buttons buttons, std::string title = {});
    void Show(std::string text, Icon icon = Icon::None, std::string title = {});
};

// Records every message and answers from a queue of scripted answers; when the queue is
// empty it answers with the first button. Used by tests and by the command line.
class ScriptedPrompter : public Prompter {
public:
    using Prompter::Ask;
    Answer Ask(const Message& message) override;

    std::deque<Answer> answers;     // taken from the front
    std::vector<Message> messages;  // everything shown, in order
};

}  // namespace zb
