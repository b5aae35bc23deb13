#include "app/ui/radio_text_filter.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include "features/local_info_rules.h"

namespace zb::ui {

RadioTextFilter::RadioTextFilter(QLineEdit* box) : QObject(box) {
    box->setContextMenuPolicy(Qt::NoContextMenu);
    box->setAcceptDrops(false);
    box->installEventFilter(this);
}

bool RadioTextFilter::eventFilter(QObject* watched, QEvent* event) {
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (box == nullptr) return false;
    switch (event->type()) {
        case QEvent::KeyPress: {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->matches(QKeySequence::Cut) || key->matches(QKeySequence::Copy) ||
                key->matches(QKeySequence::Paste))
                return true;
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
                QCoreApplication::sendEvent(box, &tab);
                return true;
            }
            const QString text = key->text();
            for (const QChar c : text) {
                if (c.isPrint() && !IsRadioTextCharAccepted(c.unicode())) return true;
            }
            return false;
        }
        case QEvent::InputMethod: {
            // Composed text (e.g. Chinese) is never 7-bit: drop its commit.
            auto* im = static_cast<QInputMethodEvent*>(event);
            for (const QChar c : im->commitString())
                if (!IsRadioTextCharAccepted(c.unicode())) return true;
            return false;
        }
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            // Right: no context menu; middle: no selection paste.
            return static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton;
        default: return false;
    }
}

}  // namespace zb::ui
