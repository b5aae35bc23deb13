#pragma once
// The About window: FrmAbout2 in English, frmAbout (with System Information) otherwise.

#include <QDialog>

namespace zb {
struct AppContext;
}

namespace zb::ui {

class FrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit FrmAbout(AppContext& ctx, QWidget* parent = nullptr);

private:
    AppContext& ctx_;
};

}  // namespace zb::ui
