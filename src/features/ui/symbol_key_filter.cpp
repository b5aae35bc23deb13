#include "features/ui/symbol_key_filter.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include "app/ui/radio_text_filter.h"

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
    new RadioTextFilter(box);
    box->setAttribute(Qt::WA_InputMethodEnabled, false);
    box->installEventFilter(this);  // installed last: sees the keys first
}

bool SymbolKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (box == nullptr) return false;
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        // Control keys (editing, Ctrl+C...) go on to the radio text rules.
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
