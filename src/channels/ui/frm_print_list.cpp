#include "channels/ui/frm_print_list.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "app/context.h"
#include "base/messages.h"
#include "app/ui/ui_layout.h"
#include "app/ui/ui_text.h"
#include "base/trapped.h"
#include "codeplug/gbk_text.h"
#include "codeplug/text_util.h"

namespace zb::ui {
namespace {

constexpr TextTable kCaption{"Print", "打印"};
constexpr TextTable kHeadings[] = {{"Group", "组"},
                                   {"CH", "信道"},
                                   {"RX Frequency[MHz]", "接收频率[MHz]"},
                                   {"TX Frequency[MHz]", "发射频率[MHz]"}};

QString GroupName(const FixedText<8>& name) {
    const std::string bytes = CleanText(name);
    return Qs(GbkToUtf8({reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()}));
}

}  // namespace

FrmPrintList::FrmPrintList(AppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    setObjectName("FrmPrintList");
    setWindowTitle(Tr(ctx_, kCaption));
    QStringList headings;
    for (const TextTable& h : kHeadings) headings << Tr(ctx_, h);
    grid_ = MakeReadOnlyGrid(headings, this);
    grid_->setMinimumSize(440, 360);

    const auto [close, help] = MakeCloseHelpButtons(ctx_, this);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_, 1);
    layout->addLayout(RightButtonRow({close, help}));

    RunTrapped(*ctx_.prompter, "FrmPrintList_Form_Load", [&] { ShowData(); });
}

void FrmPrintList::ShowData() {
    const Codeplug& doc = ctx_.Doc;
    for (int g = 0; g < kGroupCount; ++g) {
        const GroupRecord& group = doc.Data.Groups[static_cast<std::size_t>(g)];
        const int used = std::clamp<int>(group.ChannelCount, 0, kChannelsPerGroup);
        for (int j = 0; j < used; ++j) {
            const ChannelRecord& ch = doc.Channels[static_cast<std::size_t>(j)][static_cast<std::size_t>(g)];
            const int row = grid_->rowCount();
            grid_->insertRow(row);
            SetCentredRow(grid_, row,
                          {GroupName(group.Name), QString::number(ch.ChNo),
                           Qs(StoredFreqDisplay(ch.RxFreq.Raw())), Qs(StoredFreqDisplay(ch.TxFreq.Raw()))});
        }
    }
}

}  // namespace zb::ui
