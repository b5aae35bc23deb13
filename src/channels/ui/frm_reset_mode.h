#pragma once
// Reset Initialize: the group and channel each band takes after a reset (ResetSelect 0..3).

#include <QWidget>

#include "channels/channel_views.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace zb {
struct AppContext;
}

namespace zb::ui {

class FrmResetMode : public QWidget, public ChannelViews {
    Q_OBJECT
public:
    explicit FrmResetMode(AppContext& ctx, QWidget* parent = nullptr);
    void ApplyLanguage();
    // Channels or valid groups changed: refill the group lists when asked, then show again.
    void ReshowByCh(bool rIsGroupValid) override;
    bool IsResetModeOpen() const override { return true; }

private:
    void FillGroupLists();
    void ShowData();
    void ListClick(int k);
    QComboBox* List(int k) const { return lists_[k - 23]; }

    AppContext& ctx_;
    QComboBox* lists_[4];
    QLabel* labels_[4];
    QPushButton* close_;
    QPushButton* help_;
};

}  // namespace zb::ui
