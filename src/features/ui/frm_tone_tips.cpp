#include "features/ui/frm_tone_tips.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSaveFile>
#include <QSignalBlocker>
#include <QTabBar>
#include <QVBoxLayout>

#include "app/context.h"
#include "app/ui/ui_text.h"
#include "base/messages.h"
#include "features/qt/qt_tone_output.h"
#include "features/roger_beep_edit.h"
#include "features/text_by_id.h"
#include "features/ui/roger_beep_window.h"
#include "features/ui/tone_graph_view.h"
#include "features/wav_export.h"
#include "link/qt/qt_timer.h"

namespace zb {
namespace {

constexpr int kTextCaption = 29000;
constexpr int kTextTab = 29001;
constexpr int kTextRepeat = 29002;
constexpr int kTextPause = 29003;
constexpr int kTextFrequency = 29004;
constexpr int kTextLength = 29005;
constexpr int kTextPlay = 29006;
constexpr int kTextStop = 29007;
constexpr int kTextFirstTone = 29100;

constexpr TextTable kExportButton{"E&xport WAV...", "导出WAV(&X)..."};
constexpr TextTable kWavFilter{"WAV sound (*.wav)", "WAV声音文件 (*.wav)"};
constexpr int kTonesPerColumn = 7;

QComboBox* MakeList(QWidget* parent, const QString& name) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->setEditable(false);  // pick only
    list->setMaxVisibleItems(16);
    return list;
}

QLabel* MakeCaption(QWidget* parent, const QString& name) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);  // ends just before its list
    return label;
}

// Sets the items in place so filling again never duplicates them.
void SetItems(QComboBox* list, const std::vector<std::string>& items) {
    const QSignalBlocker block(list);
    if (list->count() != static_cast<int>(items.size())) {
        list->clear();
        for (const std::string& item : items) list->addItem(ui::Qs(item));
        return;
    }
    for (int i = 0; i < list->count(); ++i) list->setItemText(i, ui::Qs(items[static_cast<size_t>(i)]));
}

void ShowItem(QComboBox* list, int item) {
    const QSignalBlocker block(list);
    list->setCurrentIndex(item);
}

}  // namespace

FrmToneTips::FrmToneTips(AppContext& ctx, QWidget* parent)
    : FrmToneTips(ctx, std::make_unique<QtTimerFactory>(), std::make_unique<QtToneOutput>(), parent) {}

FrmToneTips::FrmToneTips(AppContext& ctx, std::unique_ptr<TimerFactory> timers,
                         std::unique_ptr<ToneOutput> output, QWidget* parent)
    : QWidget(parent), ctx_(ctx), timers_(std::move(timers)), output_(std::move(output)) {
    setObjectName("FrmToneTips");
    player_ = std::make_unique<TonePlayer>(*timers_, *output_);
    player_->onFinished = [this] { playButton_->setEnabled(true); };
    BuildControls();
    ApplyLanguage();
    FillLists();
    ShowSequence();
}

FrmToneTips::~FrmToneTips() {
    player_->onFinished = nullptr;
    player_->Stop();
}

void FrmToneTips::BuildControls() {
    tabStrip_ = new QTabBar(this);
    tabStrip_->setObjectName("TabStrip1");
    tabStrip_->setExpanding(false);
    tabStrip_->setUsesScrollButtons(false);  // all eight tabs stay in view
    for (int n = 1; n <= kRogerBeepCount; ++n) tabStrip_->addTab(QString());
    connect(tabStrip_, &QTabBar::currentChanged, this, &FrmToneTips::TabChanged);

    repeatCaption_ = MakeCaption(this, "Label1_0");
    repeatList_ = MakeList(this, "Combo1_0");
    pauseCaption_ = MakeCaption(this, "Label2_0");
    pauseList_ = MakeList(this, "Combo2_0");
    connect(repeatList_, &QComboBox::activated, this, &FrmToneTips::RepeatChosen);
    connect(pauseList_, &QComboBox::activated, this, &FrmToneTips::PauseChosen);

    auto* top = new QHBoxLayout;
    top->addWidget(repeatCaption_);
    top->addWidget(repeatList_);
    top->addSpacing(24);
    top->addWidget(pauseCaption_);
    top->addWidget(pauseList_);
    top->addStretch(1);

    auto* tones = new QGridLayout;
    for (int column = 0; column < 2; ++column) {
        frequencyHeaders_[column] = new QLabel(this);
        frequencyHeaders_[column]->setObjectName(QString("Label3_%1").arg(column));
        lengthHeaders_[column] = new QLabel(this);
        lengthHeaders_[column]->setObjectName(QString("Label4_%1").arg(column));
        tones->addWidget(frequencyHeaders_[column], 0, column * 3 + 1);
        tones->addWidget(lengthHeaders_[column], 0, column * 3 + 2);
    }
    for (int k = 0; k < kTonesPerBeep; ++k) {
        const int row = k % kTonesPerColumn + 1;
        const int column = k / kTonesPerColumn * 3;
        toneCaptions_[k] = MakeCaption(this, QString("Label5_%1").arg(k));
        frequencyLists_[k] = MakeList(this, QString("Combo3_%1").arg(k));
        lengthLists_[k] = MakeList(this, QString("Combo4_%1").arg(k));
        tones->addWidget(toneCaptions_[k], row, column);
        tones->addWidget(frequencyLists_[k], row, column + 1);
        tones->addWidget(lengthLists_[k], row, column + 2);
        const int tone = k + 1;
        connect(frequencyLists_[k], &QComboBox::activated, this,
                [this, tone](int item) { FrequencyChosen(tone, item); });
        connect(lengthLists_[k], &QComboBox::activated, this,
                [this, tone](int item) { LengthChosen(tone, item); });
    }
    tones->setColumnMinimumWidth(3, 24);

    // Translates between frequency texts and codes; never shown.
    translationList_ = MakeList(this, "Combo5");
    translationList_->hide();

    graph_ = new ToneGraphView([this]() -> const RogerBeepRecord& { return CurrentBeep(); }, this);
    graph_->setObjectName("Picture1_0");

    playButton_ = new QPushButton(this);
    playButton_->setObjectName("Command1_0");
    stopButton_ = new QPushButton(this);
    stopButton_->setObjectName("Command2_0");
    exportButton_ = new QPushButton(this);
    exportButton_->setObjectName("CommandExport");
    closeButton_ = new QPushButton(this);
    closeButton_->setObjectName("CommandClose");
    helpButton_ = new QPushButton(this);
    helpButton_->setObjectName("CommandHelp");
    helpButton_->hide();
    connect(playButton_, &QPushButton::clicked, this, &FrmToneTips::Play);
    connect(stopButton_, &QPushButton::clicked, this, &FrmToneTips::Stop);
    connect(exportButton_, &QPushButton::clicked, this, &FrmToneTips::ExportWav);
    connect(closeButton_, &QPushButton::clicked, this, &FrmToneTips::CloseWindow);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(playButton_);
    buttons->addWidget(stopButton_);
    buttons->addWidget(exportButton_);
    buttons->addStretch(1);
    buttons->addWidget(closeButton_);
    buttons->addWidget(helpButton_);

    auto* page = new QVBoxLayout(this);
    page->addWidget(tabStrip_);
    page->addLayout(top);
    page->addLayout(tones);
    page->addWidget(graph_, 1);
    page->addLayout(buttons);
}

void FrmToneTips::ApplyLanguage() {
    const int language = ctx_.settings.LanguageIndex;
    auto text = [language](int id) { return ui::Qs(TextById(language, id)); };
    setWindowTitle(text(kTextCaption));
    for (int n = 1; n <= kRogerBeepCount; ++n)
        tabStrip_->setTabText(n - 1, text(kTextTab) + ' ' + QString::number(n));
    repeatCaption_->setText(text(kTextRepeat));
    pauseCaption_->setText(text(kTextPause));
    for (int column = 0; column < 2; ++column) {
        frequencyHeaders_[column]->setText(text(kTextFrequency));
        lengthHeaders_[column]->setText(text(kTextLength));
    }
    for (int k = 0; k < kTonesPerBeep; ++k) toneCaptions_[k]->setText(text(kTextFirstTone + k));
    playButton_->setText(text(kTextPlay));
    stopButton_->setText(text(kTextStop));
    exportButton_->setText(ui::Tr(ctx_, kExportButton));
    closeButton_->setText(ui::Tr(ctx_, msg::CloseButton));
    helpButton_->setText(ui::Tr(ctx_, msg::HelpButton));
}

void FrmToneTips::FillLists() {
    const int language = ctx_.settings.LanguageIndex;
    const std::vector<std::string> times = TimeListItems();
    const std::vector<std::string> frequencies = FrequencyListItems(language);
    SetItems(repeatList_, RepeatListItems(language));
    SetItems(pauseList_, times);
    for (int k = 0; k < kTonesPerBeep; ++k) {
        SetItems(frequencyLists_[k], frequencies);
        SetItems(lengthLists_[k], times);
    }
    SetItems(translationList_, FrequencyCodeItems(language));
}

const RogerBeepRecord& FrmToneTips::CurrentBeep() const {
    return ctx_.Doc.Data.RogerBeepTones[current_ - 1];
}

void FrmToneTips::ShowSequence() {
    const RogerBeepRecord& beep = CurrentBeep();
    ShowItem(repeatList_, ShownTimeOrRepeatItem(beep.RecycleTimes, kRepeatItems));
    ShowItem(pauseList_, ShownTimeOrRepeatItem(beep.InterTime, kTimeItems));
    for (int k = 0; k < kTonesPerBeep; ++k) {
        ShowItem(lengthLists_[k], ShownTimeOrRepeatItem(beep.Tone[k].ToneLength, kTimeItems));
        ShowItem(frequencyLists_[k], FrequencyItemOfCode(beep.Tone[k].ToneFreq));
    }
    RedrawGraph();
}

void FrmToneTips::RedrawGraph() { graph_->update(); }

void FrmToneTips::TabChanged(int index) {
    const int sequence = index + 1;
    if (sequence < 1 || sequence > kRogerBeepCount || sequence == current_) return;
    current_ = sequence;
    ShowSequence();
}

void FrmToneTips::RepeatChosen(int item) {
    if (!ChooseRecycleTimes(ctx_, current_, item))
        ShowItem(repeatList_, ShownTimeOrRepeatItem(CurrentBeep().RecycleTimes, kRepeatItems));
}

void FrmToneTips::PauseChosen(int item) { ChooseInterTime(ctx_, current_, item); }

void FrmToneTips::FrequencyChosen(int tone, int item) {
    ChooseToneFrequency(ctx_, current_, tone, item);
    RedrawGraph();
}

void FrmToneTips::LengthChosen(int tone, int item) {
    if (!ChooseToneLength(ctx_, current_, tone, item)) {
        const int stored = CurrentBeep().Tone[tone - 1].ToneLength;
        ShowItem(lengthLists_[tone - 1], ShownTimeOrRepeatItem(stored, kTimeItems));
        return;
    }
    RedrawGraph();
}

void FrmToneTips::Play() {
    if (!CanPlay(CurrentBeep())) return;
    playButton_->setEnabled(false);
    if (!player_->Play([this]() -> const RogerBeepRecord& { return CurrentBeep(); }))
        playButton_->setEnabled(!player_->IsPlaying());
}

void FrmToneTips::Stop() {
    player_->Stop();
    playButton_->setEnabled(true);
}

void FrmToneTips::ExportWav() {
    const QString suggested = QString("RogerBeep%1.wav").arg(current_);
    QString path;
    if (chooseExportPath) {
        path = chooseExportPath(suggested);
    } else {
        path = QFileDialog::getSaveFileName(this, windowTitle(), suggested, ui::Tr(ctx_, kWavFilter));
    }
    if (path.isEmpty()) return;
    const std::vector<uint8_t> wav = RogerBeepWav(CurrentBeep());
    QSaveFile file(path);
    const bool written =
        file.open(QIODevice::WriteOnly) &&
        file.write(reinterpret_cast<const char*>(wav.data()), static_cast<qint64>(wav.size())) ==
            static_cast<qint64>(wav.size()) &&
        file.commit();
    if (!written) ctx_.prompter->Show(Text(ctx_, msg::FileError), Icon::Critical);
}

void FrmToneTips::CloseWindow() {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        sub->close();
    } else {
        close();
    }
}

void FrmToneTips::closeEvent(QCloseEvent* event) {
    Stop();
    QWidget::closeEvent(event);
}

QWidget* CreateRogerBeepWindow(AppContext& ctx) { return new FrmToneTips(ctx); }

}  // namespace zb
