#include "channels/ui/frm_reset_mode.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "app/context.h"
#include "app/ui/frm_main.h"
#include "app/ui/ui_layout.h"
#include "app/ui/ui_text.h"
#include "base/messages.h"
#include "base/trapped.h"
#include "base/ui/list_ops.h"
#include "channels/reset_mode_rules.h"

namespace zb::ui {
namespace {

constexpr TextTable kCaption{"Reset Initialize", "复位初始化"};
constexpr TextTable kLabels[4] = {
    {"28.000000 - 29.700000 MHz Group Select", "28.000000 - 29.700000 MHz 组选择"},
    {"28.000000 - 29.700000 MHz Channel Select", "28.000000 - 29.700000 MHz 信道选择"},
    {"24.000000 - 30.105000 MHz Group Select", "24.000000 - 30.105000 MHz 组选择"},
    {"24.000000 - 30.105000 MHz Channel Select", "24.000000 - 30.105000 MHz 信道选择"},
};

bool IsGroupList(int k) { return k == 23 || k == 25; }

}  // namespace

FrmResetMode::FrmResetMode(AppContext& ctx, QWidget* parent)
    : QWidget(parent), ctx_(ctx), close_(new QPushButton), help_(new QPushButton) {
    setObjectName("FrmResetMode");
    auto* grid = new QGridLayout(this);
    for (int i = 0; i < 4; ++i) {
        const int k = 23 + i;
        labels_[i] = new QLabel;
        labels_[i]->setObjectName(QStringLiteral("Label1_%1").arg(k));
        labels_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        lists_[i] = new QComboBox;
        lists_[i]->setObjectName(QStringLiteral("Combo1_%1").arg(k));
        lists_[i]->setMinimumContentsLength(4);
        grid->addWidget(labels_[i], i, 0);
        grid->addWidget(lists_[i], i, 1);
        connect(lists_[i], &QComboBox::currentIndexChanged, this, [this, k] { ListClick(k); });
    }
    grid->setHorizontalSpacing(7);  // about 100 twips between label and list
    close_->setObjectName("CommandClose");
    help_->setObjectName("CommandHelp");
    auto* buttons = RightButtonRow({close_, help_});
    grid->addLayout(buttons, 4, 0, 1, 2);
    connect(close_, &QPushButton::clicked, this, [this] { CloseChildWindow(this); });

    help_->hide();
    FillGroupLists();
    ApplyLanguage();
    ShowData();
}

void FrmResetMode::ApplyLanguage() {
    setWindowTitle(Tr(ctx_, kCaption));
    for (int i = 0; i < 4; ++i) labels_[i]->setText(Tr(ctx_, kLabels[i]));
    close_->setText(Tr(ctx_, msg::CloseButton));
    help_->setText(Tr(ctx_, msg::HelpButton));
}

void FrmResetMode::ReshowByCh(bool rIsGroupValid) {
    RunTrapped(*ctx_.prompter, "FrmResetMode_ReshowByCh", [&] {
        if (rIsGroupValid) FillGroupLists();
        ShowData();
    });
}

void FrmResetMode::FillGroupLists() {
    for (int band = 0; band < 2; ++band) {
        QComboBox* list = List(band == 0 ? 23 : 25);
        const QSignalBlocker quiet(list);
        list->clear();
        for (int n : ResetGroupItems(ctx_, band)) list->addItem(QString::number(n));
    }
}

void FrmResetMode::ShowData() {
    auto& reset = ctx_.Doc.Data.OptionSettings.ResetSelect;
    SelectListText(List(23), QString::number(reset[0]));
    SelectListText(List(25), QString::number(reset[2] - 10));
    ListClick(23);
    ListClick(25);
}

// A band without a valid group has nothing to choose: its selection is left as it is and
// its channel list stays empty, so no group outside the band is ever stored.
void FrmResetMode::ListClick(int k) {
    RunTrapped(*ctx_.prompter, "FrmResetMode_Combo1_Click", [&] {
        auto& reset = ctx_.Doc.Data.OptionSettings.ResetSelect;
        QComboBox* list = List(k);
        if (!IsGroupList(k)) {
            if (list->count() > 0) ListNumberOr(list, reset[k - 23], 0);
            return;
        }
        QComboBox* channels = List(k + 1);
        if (list->count() == 0 || list->currentIndex() < 0) {
            const QSignalBlocker quiet(channels);
            channels->clear();
            return;
        }
        ListNumberOr(list, reset[k - 23], 0);
        if (k == 25) reset[2] = static_cast<int16_t>(reset[2] + 10);
        {
            const QSignalBlocker quiet(channels);
            channels->clear();
            for (int n : SortedChannelNumbers(ctx_, reset[k - 23])) channels->addItem(QString::number(n));
        }
        SelectListText(channels, QString::number(reset[k + 1 - 23]));
        ListNumberOr(channels, reset[k + 1 - 23], 0);
    });
}

}  // namespace zb::ui
