#include "app/ui/frm_splash.h"

#include <QBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QTimer>

#include "app/context.h"
#include "app/ui/ui_text.h"

namespace zb::ui {

frmSplash::frmSplash(AppContext& ctx, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), picLogo_(new QLabel),
      timer_(new QTimer(this)) {
    setObjectName("frmSplash");
    picLogo_->setObjectName("picLogo");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(picLogo_);
    const char* file = ctx.settings.LanguageIndex == kChinese ? "/StartC.jpg" : "/StartE.jpg";
    const QPixmap picture(Qs(ctx.folders.programFolder) + QString::fromLatin1(file));
    if (picture.isNull()) {
        picLogo_->setFixedSize(480, 300);  // a plain window when the picture is missing
    } else {
        picLogo_->setPixmap(picture);
    }
    picLogo_->installEventFilter(this);
    timer_->setObjectName("Timer1");
    timer_->setSingleShot(true);
    timer_->setInterval(2000);
    connect(timer_, &QTimer::timeout, this, &frmSplash::Finish);
    timer_->start();
}

void frmSplash::Finish() {
    timer_->stop();
    if (finished_) return;
    finished_ = true;
    close();
    emit Finished();
}

bool frmSplash::eventFilter(QObject* watched, QEvent* event) {
    if (watched == picLogo_ && event->type() == QEvent::MouseButtonRelease) {
        Finish();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace zb::ui
