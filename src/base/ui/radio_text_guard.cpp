#include "base/ui/radio_text_guard.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTextEdit>

namespace zb::ui {
namespace {

bool IsClipboardKey(const QKeyEvent* key) {
    return key->matches(QKeySequence::Cut) || key->matches(QKeySequence::Copy) ||
           key->matches(QKeySequence::Paste);
}

bool AllAccepted(const QString& text, CharRule accepts) {
    for (const char32_t code : text.toUcs4())
        if (!accepts(code)) return false;
    return true;
}

class RadioTextGuard : public QObject {
public:
    RadioTextGuard(QWidget* box, QWidget* mouseTarget, CharRule accepts, EnterKey enter)
        : QObject(box), box_(box), accepts_(accepts), enter_(enter) {
        box->setContextMenuPolicy(Qt::NoContextMenu);
        box->setAcceptDrops(false);
        box->installEventFilter(this);
        if (mouseTarget != box) {
            mouseTarget->setAcceptDrops(false);
            mouseTarget->installEventFilter(this);
        }
    }

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        switch (event->type()) {
            case QEvent::KeyPress: return KeyDropped(static_cast<QKeyEvent*>(event));
            case QEvent::InputMethod:
                return !AllAccepted(static_cast<QInputMethodEvent*>(event)->commitString(), accepts_);
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
                // The middle button pastes the selection on release; the right one would open
                // a context menu.
                return static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton;
            case QEvent::DragEnter:
            case QEvent::DragMove:
            case QEvent::Drop: event->ignore(); return true;
            case QEvent::ContextMenu: return true;
            default: return false;
        }
    }

private:
    bool KeyDropped(QKeyEvent* key) {
        if (IsClipboardKey(key)) return true;
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (enter_ == EnterKey::ToWindow) return false;
            QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
            QCoreApplication::sendEvent(box_, &tab);
            return true;
        }
        return !AllAccepted(key->text(), accepts_);
    }

    QWidget* box_;
    CharRule accepts_;
    EnterKey enter_;
};

}  // namespace

void GuardRadioText(QLineEdit* box, CharRule accepts, EnterKey enter) {
    new RadioTextGuard(box, box, accepts, enter);
}

void GuardRadioText(QTextEdit* box, CharRule accepts, EnterKey enter) {
    box->setAcceptRichText(false);
    box->setTabChangesFocus(true);  // so that Enter, sent on as Tab, moves on
    new RadioTextGuard(box, box->viewport(), accepts, enter);
}

bool FocusLeftTheProgram(const QFocusEvent* event) {
    return event->reason() == Qt::ActiveWindowFocusReason && QApplication::activeWindow() == nullptr;
}

bool AnyChar(char32_t) { return true; }

}  // namespace zb::ui
