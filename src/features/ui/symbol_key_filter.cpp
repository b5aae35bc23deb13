#include "features/ui/symbol_key_filter.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include "base/ui/radio_text_guard.h"

namespace zb::ui {
namespace {

// The text the rule makes of a typed text; empty when any character is discarded.
QString Mapped(const QString& typed, SymbolKeyFilter::Rule rule) {
    QString out;
    for (const char32_t code : typed.toUcs4()) {
        const char32_t kept = rule(code);
        if (kept == 0) return {};
        out += QString::fromUcs4(&kept, 1);
    }
    return out;
}

}  // namespace

SymbolKeyFilter::SymbolKeyFilter(QLineEdit* box, Rule rule) : QObject(box), rule_(rule) {
    box->setAttribute(Qt::WA_InputMethodEnabled, false);
    box->installEventFilter(this);
    // The shared guard (no clipboard keys, no middle-click paste, no drop, no context menu,
    // Enter moves on) sees every event first; the symbols are sorted here.
    GuardRadioText(box, AnyChar);
}

bool SymbolKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (box == nullptr) return false;
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        // Editing keys go on to the box.
        if (text.isEmpty() || !text.front().isPrint() ||
            (key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)))
            return false;
        const QString kept = Mapped(text, rule_);
        if (kept.isEmpty()) return true;
        if (kept == text) return false;
        box->insert(kept);
        return true;
    }
    if (event->type() == QEvent::InputMethod) {
        const auto* im = static_cast<QInputMethodEvent*>(event);
        return !im->commitString().isEmpty() && Mapped(im->commitString(), rule_) != im->commitString();
    }
    return false;
}

}  // namespace zb::ui
