#include "link/ui/frm_emg.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/context.h"
#include "app/ui/ui_layout.h"
#include "app/ui/ui_text.h"
#include "base/messages.h"
#include "base/trapped.h"
#include "base/ui/list_ops.h"
#include "features/local_info_rules.h"

namespace zb::ui {
namespace {

constexpr TextTable kCaption{"Embedded Message", "嵌入信息"};
constexpr TextTable kDealerFrame{"Dealer Information", "销售商信息"};

// Rows from top to bottom: box index (-1 model list, -2 band list) and caption.
struct Row {
    int box;
    TextTable caption;
};
constexpr Row kRows[] = {
    {0, {"Area Code", "销售区号"}},
    {6, {"Manufacture Code", "生产批号"}},
    {7, {"User Code", "客户代码"}},
    {-1, {"Radio Type", "机型"}},
    {-2, {"Frequency", "频段"}},
    {1, {"Serial Number", "序列号"}},
    {2, {"Producted Date", "出厂日期"}},
    {3, {"Maintained Date", "维修日期"}},
    {5, {"Version", "固件版本"}},
    {4, {"Maintained\nDescription", "维修原因\n"}},
    {8, {"Dealer Code", "经销商代码"}},
    {9, {"Stock Date", "入库时间"}},
    {10, {"Sell Date", "销售时间"}},
    {11, {"Seller", "经手人"}},
};
constexpr int kFirstDealerRow = 10;

}  // namespace

FrmEMG::FrmEMG(AppContext& ctx, QWidget* parent)
    : QDialog(parent), ctx_(ctx), reason_(new QPlainTextEdit), dealer_(new QGroupBox),
      close_(new QPushButton), help_(new QPushButton) {
    setObjectName("FrmEMG");
    auto* column = new QVBoxLayout(this);
    auto* top = new QFormLayout;
    auto* bottom = new QFormLayout(dealer_);
    dealer_->setObjectName("Frame1");
    for (int i = 0; i < 2; ++i) {
        lists_[i] = new QComboBox;
        lists_[i]->setObjectName(QStringLiteral("Combo1_%1").arg(i));
        lists_[i]->setEnabled(false);
    }
    lists_[1]->addItem(Qs(kStandardBandText));
    lists_[1]->addItem(Qs(kWideBandText));
    reason_->setObjectName("Text1_4");
    reason_->setReadOnly(true);
    reason_->setEnabled(false);
    reason_->setFixedHeight(60);
    int rowIndex = 0;
    for (const Row& row : kRows) {
        auto* label = new QLabel;
        label->setObjectName(QStringLiteral("Label1_%1").arg(rowIndex));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        rowLabels_.push_back(label);
        QWidget* value = nullptr;
        if (row.box == -1) {
            value = lists_[0];
        } else if (row.box == -2) {
            value = lists_[1];
        } else if (row.box == 4) {
            value = reason_;
        } else {
            auto* box = new QLineEdit;
            box->setObjectName(QStringLiteral("Text1_%1").arg(row.box));
            box->setReadOnly(true);
            box->setEnabled(false);
            boxes_[row.box] = box;
            value = box;
        }
        (rowIndex < kFirstDealerRow ? top : bottom)->addRow(label, value);
        ++rowIndex;
    }
    // The version box takes the window's background colour.
    boxes_[5]->setStyleSheet(QStringLiteral("QLineEdit { background: palette(window); }"));
    column->addLayout(top);
    column->addWidget(dealer_);
    close_->setObjectName("CommandClose");
    help_->setObjectName("CommandHelp");
    help_->hide();
    auto* buttons = RightButtonRow({close_, help_});
    column->addLayout(buttons);
    connect(close_, &QPushButton::clicked, this, &QDialog::accept);
    ApplyLanguage();
    ShowByData();
}

void FrmEMG::ApplyLanguage() {
    // English for language 1, Chinese otherwise.
    const int lang = ctx_.settings.LanguageIndex == kEnglish ? kEnglish : kChinese;
    setWindowTitle(Qs(kCaption[lang]));
    for (std::size_t i = 0; i < rowLabels_.size(); ++i) rowLabels_[i]->setText(Qs(kRows[i].caption[lang]));
    dealer_->setTitle(Qs(kDealerFrame[lang]));
    close_->setText(Qs(msg::CloseButton[lang]));
    help_->setText(Qs(msg::HelpButton[lang]));
}

void FrmEMG::ShowByData() {
    RunTrapped(*ctx_.prompter, "FrmEMG_ShowByData", [&] {
        lists_[0]->clear();
        lists_[0]->addItem(QStringLiteral("ZB_347RX"));
        lists_[0]->setCurrentIndex(0);
        SelectListIndex(lists_[1], ctx_.link.BandFlagB);
        const RmgDataRecord& r = ctx_.Rmg;
        const std::pair<int, const std::string*> fields[] = {
            {0, &r.AreaCode},    {6, &r.ManufactureCode}, {7, &r.UserCode},
            {1, &r.SerialNo},    {2, &r.ProducedDate},    {3, &r.MaintainedDate},
            {5, &r.FirmwareVersion}, {8, &r.DealerCode},  {9, &r.StockDate},
            {10, &r.SellDate},   {11, &r.Seller},
        };
        for (const auto& [box, text] : fields) boxes_[box]->setText(Qs(ShownRecordText(*text)));
        // The area code shows at most 4 characters.
        boxes_[0]->setText(boxes_[0]->text().left(4));
        reason_->setPlainText(Qs(ShownRecordText(r.MaintainedReason)));
    });
}

}  // namespace zb::ui
