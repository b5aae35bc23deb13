#pragma once
// A text box that takes only the symbols of its rule: each typed character goes through the
// rule, which keeps it, turns it into another (a -> A) or discards it. Cut, copy, paste, the
// context menu and the middle-click paste are off, Enter moves on (the shared radio text guard).

#include <QObject>

class QLineEdit;

namespace zb::ui {

class SymbolKeyFilter : public QObject {
    Q_OBJECT
public:
    // The character to insert for a typed one, or 0 to discard it.
    using Rule = char32_t (*)(char32_t);

    // Installs itself and the shared radio text guard on the box.
    SymbolKeyFilter(QLineEdit* box, Rule rule);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Rule rule_;
};

}  // namespace zb::ui
