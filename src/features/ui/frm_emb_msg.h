#pragma once
// Local Information: the two lines of the embedded message.

#include <QWidget>

#include "app/ui/child_window_factory.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace zb {
struct AppContext;
}

namespace zb::ui {

class FrmEmbMsg : public QWidget, public PendingEditCommitter {
    Q_OBJECT
public:
    explicit FrmEmbMsg(AppContext& ctx, QWidget* parent = nullptr);
    void ApplyLanguage();
    // Both boxes into their lines.
    void CommitPendingEdits() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void StoreLine(int index);

    AppContext& ctx_;
    QLineEdit* boxes_[2];
    QPushButton* close_;
    QPushButton* help_;
};

}  // namespace zb::ui
