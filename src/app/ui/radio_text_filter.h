#pragma once
// The key and mouse rules of a box that holds a radio text: no cut, copy or paste, no
// context menu, Enter moves on, only 7-bit characters.

#include <QObject>

class QLineEdit;

namespace zb::ui {

class RadioTextFilter : public QObject {
    Q_OBJECT
public:
    // Installs itself on the box (and owns nothing else).
    explicit RadioTextFilter(QLineEdit* box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace zb::ui
