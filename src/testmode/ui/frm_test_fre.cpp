#include "testmode/ui/frm_test_fre.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "app/context.h"
#include "base/messages.h"
#include "app/ui/frm_main.h"
#include "app/ui/ui_layout.h"
#include "app/ui/ui_text.h"
#include "base/trapped.h"
#include "codeplug/text_util.h"

namespace zb::ui {
namespace {

constexpr TextTable kCaption{"Test FreQuence", "测试频率"};
constexpr TextTable kHeadings[] = {
    {"No.", "编号"}, {"CH", "信道"}, {"RX Frequency[MHz]", "接收频率[MHz]"}, {"TX Frequency[MHz]", "发射频率[MHz]"}};

}  // namespace

FrmTestFre::FrmTestFre(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName("FrmTestFre");
    setWindowTitle(Tr(ctx_, kCaption));
    QStringList headings;
    for (const TextTable& h : kHeadings) headings << Tr(ctx_, h);
    grid_ = MakeReadOnlyGrid(headings, this);
    grid_->setMinimumWidth(420);

    const auto [close, help] = MakeCloseHelpButtons(ctx_, this);
    connect(close, &QPushButton::clicked, this, [this] { CloseChildWindow(this); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_, 1);
    layout->addLayout(RightButtonRow({close, help}));

    RunTrapped(*ctx_.prompter, "FrmTestFre_Form_Load", [&] { ShowData(); });
}

void FrmTestFre::ShowData() {
    const OptionSettingsRecord& s = ctx_.Doc.Data.OptionSettings;
    const int used = std::clamp<int>(s.TestFreqCount, 0, static_cast<int>(s.TestFreqList.size()));
    grid_->setRowCount(used);
    for (int i = 0; i < used; ++i) {
        const TestFreqEntry& e = s.TestFreqList[static_cast<std::size_t>(i)];
        SetCentredRow(grid_, i,
                      {QString::number(i + 1), QString::number(e.ChNo), Qs(StoredFreqDisplay(e.RxFreq.Raw())),
                       Qs(StoredFreqDisplay(e.TxFreq.Raw()))});
    }
}

}  // namespace zb::ui
