#pragma once
// The splash window: the start picture for two seconds, or until it is clicked.

#include <QWidget>

class QLabel;
class QTimer;

namespace zb {
struct AppContext;
}

namespace zb::ui {

class frmSplash : public QWidget {
    Q_OBJECT
public:
    explicit frmSplash(AppContext& ctx, QWidget* parent = nullptr);
    // Stops the timer, closes the window and reports Finished (once).
    void Finish();

signals:
    void Finished();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* picLogo_;
    QTimer* timer_;
    bool finished_ = false;
};

}  // namespace zb::ui
