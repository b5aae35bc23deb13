#include "testmode/ui/frm_test_mode_para.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "app/context.h"
#include "base/ui/radio_text_guard.h"
#include "app/ui/ui_text.h"
#include "testmode/testmode_engine.h"
#include "testmode/testmode_tables.h"
#include "testmode/testmode_texts.h"
#include "testmode/ui/frm_test_mode.h"

namespace zb::ui {

namespace {

// Every alignment value is one byte on the line (the set command carries it as one), so each
// slider, number box and bar covers 0 to 255 whatever the item and level.
constexpr int kValueMax = 255;
constexpr int kGetParaMs = 500;

// Digits and the editing keys; nothing else reaches a number box.
bool DigitOrEditKey(char32_t code) { return (code >= '0' && code <= '9') || code < 0x20 || code == 0x7F; }

QString Name(const char* base, int index) { return QString("%1_%2").arg(base).arg(index); }

QLineEdit* NumberBox(QWidget* parent, const QString& name) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setValidator(new QIntValidator(0, kValueMax, box));  // only digits pass
    box->setMaxLength(3);
    GuardRadioText(box, DigitOrEditKey);  // no paste, no context menu, Enter moves on
    return box;
}

QProgressBar* Bar(QWidget* parent, const QString& name) {
    auto* bar = new QProgressBar(parent);
    bar->setObjectName(name);
    bar->setRange(0, kValueMax);
    bar->setTextVisible(false);
    return bar;
}

}  // namespace

// Layout: items 1 to 11 have one tab per level they are tuned at (all six for the two power
// items; Test, Low, Center and High for items 3 to 6 and 8 to 10; Test only for items 7 and
// 11). Each tab holds one slider with its number box and bar, index = level, showing that
// level's value: first the alignment value read when tuning started, then what the radio
// reports. Items 12 to 15 show a frame with one bar and one read-only box instead.
FrmTestModePara::FrmTestModePara(AppContext& ctx, int item, QWidget* parent)
    : QWidget(parent, Qt::Window), ctx_(ctx), item_(item) {
    setObjectName("FrmTestModePara");
    setAttribute(Qt::WA_DeleteOnClose);

    signalling_ = new QLabel(this);
    signalling_->setObjectName("LabelSignalling");
    polling_ = new QLabel(this);
    polling_->setObjectName("PictureGet");
    polling_->setMinimumSize(24, 20);
    polling_->setAutoFillBackground(true);
    transmitter_ = new QLabel(this);
    transmitter_->setObjectName("PicturePTT");
    transmitter_->setMinimumSize(40, 20);
    transmitter_->setAlignment(Qt::AlignCenter);

    auto* start = new QPushButton(Tr(ctx_, tm::StartButton), this);
    start->setObjectName("Command1");
    ptt_ = new QPushButton(Tr(ctx_, tm::PttButton), this);
    ptt_->setObjectName("Command2");
    ptt_->setCheckable(true);
    auto* ok = new QPushButton(Tr(ctx_, tm::OkButton), this);
    ok->setObjectName("Command3");
    auto* cancel = new QPushButton(Tr(ctx_, tm::CancelButton), this);
    cancel->setObjectName("Command4");
    for (QPushButton* b : {start, ptt_, ok, cancel}) b->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(signalling_);
    top->addStretch();
    top->addWidget(polling_);
    top->addWidget(transmitter_);
    layout->addLayout(top);
    if (IsReadoutItem(item_)) {
        BuildReadout();
        layout->addWidget(findChild<QGroupBox*>("Frame1"));
    } else {
        BuildLevels();
        layout->addWidget(tabs_);
    }
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {start, ptt_, ok, cancel}) buttons->addWidget(b);
    layout->addLayout(buttons);

    getPara_ = new QTimer(this);
    getPara_->setObjectName("TimerGetPara");
    getPara_->setInterval(kGetParaMs);
    connect(getPara_, &QTimer::timeout, this,
            [this] { QueueTestFunction(ctx_, kFnQuery, ItemCode(item_, CurrentLevel())); });
    connect(start, &QPushButton::clicked, this, [this] { TogglePolling(); });
    connect(ptt_, &QPushButton::clicked, this, [this] { TogglePtt(); });
    connect(ok, &QPushButton::clicked, this,
            [this] { QueueTestFunction(ctx_, kFnStore, ItemCode(item_, CurrentLevel())); });
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);

    ShowFrame();
    PaintTransmitter(transmitter_, false);
    const auto& values = ctx_.testMode.alignment[item_ - 1];
    for (int level : tabLevels_.empty() ? std::vector<int>{0} : tabLevels_) ShowValue(level, values[level]);
}

void FrmTestModePara::BuildLevels() {
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName("SSTab1");
    tabLevels_ = ItemLevels(item_);
    for (int level : tabLevels_) {
        auto* page = new QWidget(tabs_);
        LevelControls& c = levels_[level];
        c.slider = new QSlider(Qt::Horizontal, page);
        c.slider->setObjectName(Name("Slider1", level));
        c.slider->setRange(0, kValueMax);
        c.text = NumberBox(page, Name("Text2", level));
        c.bar = Bar(page, Name("ProgressBar1", level));
        auto* grid = new QGridLayout(page);
        grid->addWidget(c.slider, 0, 0);
        grid->addWidget(c.text, 0, 1);
        grid->addWidget(c.bar, 1, 0, 1, 2);
        tabs_->addTab(page, Tr(ctx_, tm::Levels[level]));

        // A drag sends its value once, when the slider is let go; keys and clicks at once.
        connect(c.slider, &QSlider::valueChanged, this, [this, level](int value) {
            levels_[level].text->setText(QString::number(value));
            levels_[level].bar->setValue(value);
            if (!levels_[level].slider->isSliderDown()) SliderMoved(level);
        });
        connect(c.slider, &QSlider::sliderReleased, this, [this, level] { SliderMoved(level); });
        connect(c.text, &QLineEdit::editingFinished, this, [this, level] {
            bool ok = false;
            const int value = levels_[level].text->text().toInt(&ok);
            if (ok && value != levels_[level].slider->value()) levels_[level].slider->setValue(value);
        });
    }
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int) {
        const int level = CurrentLevel();
        QueueTestFunction(ctx_, kFnLevel, ItemCode(item_, level), ValueLength(item_, ctx_.testMode.wide));
    });
}

void FrmTestModePara::BuildReadout() {
    auto* frame = new QGroupBox(this);
    frame->setObjectName("Frame1");
    LevelControls& c = levels_[0];
    c.bar = Bar(frame, Name("ProgressBar1", 0));
    c.text = NumberBox(frame, Name("Text2", 0));
    c.text->setReadOnly(true);
    auto* row = new QHBoxLayout(frame);
    row->addWidget(c.bar);
    row->addWidget(c.text);
}

int FrmTestModePara::CurrentLevel() const {
    if (!tabs_ || tabs_->currentIndex() < 0) return 0;
    return tabLevels_.at(static_cast<size_t>(tabs_->currentIndex()));
}

void FrmTestModePara::ShowFrame() {
    setWindowTitle(Tr(ctx_, tm::Items.at(static_cast<size_t>(item_ - 1))));
    const int s = ctx_.testMode.selectedSignalling;
    signalling_->setText(s >= 1 && s <= static_cast<int>(tm::SignallingTexts.size())
                             ? Tr(ctx_, tm::SignallingTexts[static_cast<size_t>(s - 1)])
                             : QString());
    if (auto* frame = findChild<QGroupBox*>("Frame1")) frame->setTitle(windowTitle());
}

void FrmTestModePara::ShowValue(int level, int value) {
    LevelControls& c = levels_[level];
    if (c.slider) {
        const QSignalBlocker block(c.slider);  // a value shown is not a value set
        c.slider->setValue(value);
    }
    if (c.text) c.text->setText(QString::number(value));
    if (c.bar) c.bar->setValue(value);
}

void FrmTestModePara::ShowData() {
    const auto& t = ctx_.testMode;
    const int level = CurrentLevel();
    // 6 bytes carry every level, 4 bytes Low, Center and High (values 2, 4, 6), 1 byte the
    // level asked for.
    if (t.lastValueLength == 6 || (t.lastValueLength == 4 && level % 2 == 1)) {
        ShowValue(level, t.values[static_cast<size_t>(level)]);
    } else if (t.lastValueLength == 1) {
        ShowValue(level, t.reading);
    }
}

void FrmTestModePara::SliderMoved(int level) {
    QueueTestFunction(ctx_, kFnSetValue, ItemCode(item_, level), levels_[level].slider->value());
}

void FrmTestModePara::TogglePolling() {
    if (getPara_->isActive()) {
        getPara_->stop();
        polling_->setStyleSheet({});
    } else {
        getPara_->start();
        polling_->setStyleSheet("background-color: yellow;");
    }
}

void FrmTestModePara::TogglePtt() {
    pttOff_ = !pttOff_;
    ptt_->setChecked(!pttOff_);
    PaintTransmitter(transmitter_, !pttOff_);
    QueueTestFunction(ctx_, pttOff_ ? kFnTransmitterOff : kFnTransmitterOn);
}

void FrmTestModePara::closeEvent(QCloseEvent* event) {
    if (!closing_) {
        closing_ = true;
        getPara_->stop();
        if (!pttOff_) {
            pttOff_ = true;
            QueueTestFunction(ctx_, kFnTransmitterOff);
        }
        QueueTestFunction(ctx_, kFnCloseItem, item_);
    }
    event->accept();
}

}  // namespace zb::ui
