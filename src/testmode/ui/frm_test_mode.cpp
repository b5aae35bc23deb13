#include "testmode/ui/frm_test_mode.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

#include "app/context.h"
#include "app/ui/ui_text.h"
#include "testmode/testmode_engine.h"
#include "testmode/testmode_tables.h"
#include "testmode/testmode_texts.h"
#include "testmode/ui/frm_test_mode_para.h"

namespace zb::ui {

namespace {

constexpr int kSignallingCount = 9;

QPushButton* Button(QWidget* parent, const char* name, const QString& text) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

QLabel* Indicator(QWidget* parent, const char* name) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setMinimumSize(60, 20);
    l->setAlignment(Qt::AlignCenter);
    l->setAutoFillBackground(true);
    return l;
}

}  // namespace

void PaintTransmitter(QLabel* label, bool on) {
    label->setStyleSheet(on ? "background-color: red; color: white;" : "background-color: green; color: white;");
    label->setText(on ? "TX" : "RX");
}

FrmTestMode::FrmTestMode(AppContext& ctx, QWidget* parent) : QWidget(parent, Qt::Window), ctx_(ctx) {
    setObjectName("FrmTestMode");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(Tr(ctx_, tm::TestCaption));

    auto* channelFrame = new QGroupBox(Tr(ctx_, tm::ChannelFrame), this);
    channelFrame->setObjectName("Frame1_0");
    channels_ = new QComboBox(channelFrame);
    channels_->setObjectName("Combo1_0");
    rx_ = new QLabel(channelFrame);
    rx_->setObjectName("LabelRx");
    tx_ = new QLabel(channelFrame);
    tx_->setObjectName("LabelTx");
    auto* cg = new QGridLayout(channelFrame);
    cg->addWidget(new QLabel(Tr(ctx_, tm::ChannelLabel), channelFrame), 0, 0);
    cg->addWidget(channels_, 0, 1);
    cg->addWidget(new QLabel(Tr(ctx_, tm::RxLabel), channelFrame), 1, 0);
    cg->addWidget(rx_, 1, 1);
    cg->addWidget(new QLabel(Tr(ctx_, tm::TxLabel), channelFrame), 2, 0);
    cg->addWidget(tx_, 2, 1);

    auto* signallingFrame = new QGroupBox(Tr(ctx_, tm::SignallingFrame), this);
    signallingFrame->setObjectName("Frame1_1");
    signalling_ = new QComboBox(signallingFrame);
    signalling_->setObjectName("Combo1_1");
    auto* sg = new QGridLayout(signallingFrame);
    sg->addWidget(new QLabel(Tr(ctx_, tm::SignallingLabel), signallingFrame), 0, 0);
    sg->addWidget(signalling_, 0, 1);

    items_ = new QListWidget(this);
    items_->setObjectName("List1");
    items_->setSelectionMode(QAbstractItemView::SingleSelection);
    for (const TextTable& item : tm::Items) items_->addItem(Tr(ctx_, item));
    items_->setMinimumHeight(items_->sizeHintForRow(0) * items_->count() + 2 * items_->frameWidth());

    auto* wide = Button(this, "CommandWide", Tr(ctx_, tm::WideButton));
    auto* narrow = Button(this, "CommandNarrow", Tr(ctx_, tm::NarrowButton));
    tune_ = Button(this, "CommandTune", Tr(ctx_, tm::TuneButton));
    ptt_ = Button(this, "CommandPTT", Tr(ctx_, tm::PttButton));
    ptt_->setCheckable(true);
    auto* print = Button(this, "CommandPrint", Tr(ctx_, tm::PrintButton));
    auto* close = Button(this, "CommandClose", Tr(ctx_, tm::CloseButton));
    bandwidth_ = Indicator(this, "PictureBand");
    transmitter_ = Indicator(this, "PicturePTT");

    auto* left = new QVBoxLayout;
    left->addWidget(channelFrame);
    left->addWidget(signallingFrame);
    auto* states = new QHBoxLayout;
    states->addWidget(bandwidth_);
    states->addWidget(transmitter_);
    left->addLayout(states);
    left->addStretch();
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {wide, narrow, tune_, ptt_, print, close}) buttons->addWidget(b);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addWidget(items_);
    layout->addLayout(buttons);

    // Opening: the radio's test channels, signalling 1 to 9, channel 1 and signalling 1.
    auto& t = ctx_.testMode;
    for (const TestChannel& c : t.channels) channels_->addItem(QString::number(c.number), c.number);
    for (int s = 1; s <= kSignallingCount; ++s) signalling_->addItem(QString::number(s), s);
    t.selectedChannel = channels_->count() > 0 ? channels_->itemData(0).toInt() : 1;
    t.selectedSignalling = 1;
    t.selectedItem = 0;
    tune_->setEnabled(false);
    ShowChannel();
    ShowBandwidth();
    ShowTransmitter();

    connect(channels_, &QComboBox::activated, this, [this](int index) {
        ctx_.testMode.selectedChannel = channels_->itemData(index).toInt();
        ShowChannel();
        QueueTestFunction(ctx_, kFnTestChannel, ctx_.testMode.selectedChannel);
    });
    connect(signalling_, &QComboBox::activated, this, [this](int index) {
        ctx_.testMode.selectedSignalling = signalling_->itemData(index).toInt();
        QueueTestFunction(ctx_, kFnSignalling, ctx_.testMode.selectedSignalling);
    });
    connect(items_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        items_->setCurrentItem(item);
        ctx_.testMode.selectedItem = items_->row(item) + 1;
        tune_->setEnabled(true);
    });
    connect(items_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row < 0) return;
        ctx_.testMode.selectedItem = row + 1;
        tune_->setEnabled(true);
    });
    connect(wide, &QPushButton::clicked, this, [this] {
        ctx_.testMode.wide = true;
        ShowBandwidth();
        TestModeUnSetPTT();
        QueueTestFunction(ctx_, kFnWide);
    });
    connect(narrow, &QPushButton::clicked, this, [this] {
        ctx_.testMode.wide = false;
        ShowBandwidth();
        QueueTestFunction(ctx_, kFnNarrow);
    });
    connect(ptt_, &QPushButton::clicked, this, [this] {
        auto& t = ctx_.testMode;
        t.pttOff = !t.pttOff;
        ShowTransmitter();
        QueueTestFunction(ctx_, t.pttOff ? kFnTransmitterOff : kFnTransmitterOn);
    });
    connect(print, &QPushButton::clicked, this, [this] { TestModeUnSetPTT(); });
    connect(tune_, &QPushButton::clicked, this, [this] {
        TestModeUnSetPTT();
        QueueTestFunction(ctx_, kFnTune, ctx_.testMode.selectedItem);
    });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
}

FrmTestMode::~FrmTestMode() = default;

FrmTestModePara* FrmTestMode::ItemWindow() const { return para_.data(); }

void FrmTestMode::ShowChannel() {
    const auto& t = ctx_.testMode;
    for (const TestChannel& c : t.channels) {
        if (c.number != t.selectedChannel) continue;
        rx_->setText(Qs(TestFreqText(c.rx)));
        tx_->setText(Qs(TestFreqText(c.tx)));
        return;
    }
    rx_->clear();
    tx_->clear();
}

void FrmTestMode::ShowBandwidth() {
    const TextTable& text = ctx_.testMode.wide ? tm::WideButton : tm::NarrowButton;
    bandwidth_->setText(Tr(ctx_, text).remove('&').remove(QRegularExpression("\\(.*\\)")));
}

void FrmTestMode::ShowTransmitter() {
    const bool on = !ctx_.testMode.pttOff;
    ptt_->setChecked(on);
    PaintTransmitter(transmitter_, on);
}

void FrmTestMode::TestModeUnSetPTT() {
    auto& t = ctx_.testMode;
    if (t.pttOff) return;
    t.pttOff = true;
    ShowTransmitter();
    QueueTestFunction(ctx_, kFnTransmitterOff);
}

void FrmTestMode::OpenItemWindow() {
    if (para_) para_->close();
    const int item = ctx_.testMode.selectedItem;
    if (item < 1 || item > kAlignmentItemCount) return;
    para_ = new FrmTestModePara(ctx_, item, this);
    para_->show();
}

void FrmTestMode::closeEvent(QCloseEvent* event) {
    // The item window goes first, so its transmitter is released and its item left.
    if (para_) para_->close();
    TestModeUnSetPTT();
    QueueTestFunction(ctx_, kFnLeave, ctx_.testMode.selectedSignalling);
    event->accept();
}

TestModeWindows::~TestModeWindows() {
    if (window_) {
        window_->setAttribute(Qt::WA_DeleteOnClose, false);
        delete window_;
    }
}

void TestModeWindows::OpenTestWindow() {
    if (!window_) window_ = new FrmTestMode(ctx_, parent_);
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void TestModeWindows::OpenItemWindow() {
    if (window_) window_->OpenItemWindow();
}

void TestModeWindows::ShowItemValues() {
    if (window_ && window_->ItemWindow()) window_->ItemWindow()->ShowData();
}

void TestModeWindows::TestModeEnded() {
    // The port is closed: closing queues nothing more.
    if (window_) window_->close();
}

}  // namespace zb::ui
