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
    grid_ = new QTableWidget(0, static_cast<int>(std::size(kHeadings)), this);
    grid_->setObjectName("MSFlexGrid1");
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionMode(QAbstractItemView::NoSelection);
    grid_->setTabKeyNavigation(false);
    grid_->verticalHeader()->hide();
    QStringList headings;
    for (const TextTable& h : kHeadings) headings << Tr(ctx_, h);
    grid_->setHorizontalHeaderLabels(headings);
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grid_->setMinimumWidth(420);

    auto* close = new QPushButton(Tr(ctx_, msg::CloseButton), this);
    close->setObjectName("CommandClose");
    auto* help = new QPushButton(Tr(ctx_, msg::HelpButton), this);
    help->setObjectName("CommandHelp");
    help->hide();
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
        const QString cells[] = {QString::number(i + 1), QString::number(e.ChNo),
                                 Qs(StoredFreqDisplay(e.RxFreq.Raw())), Qs(StoredFreqDisplay(e.TxFreq.Raw()))};
        for (int c = 0; c < static_cast<int>(std::size(cells)); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            item->setTextAlignment(Qt::AlignCenter);
            grid_->setItem(i, c, item);
        }
    }
}

}  // namespace zb::ui
