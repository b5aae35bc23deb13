#pragma once
// The roger-beep editor: eight tone sequences on tabs, their bar graph, and a player.

#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

#include "base/timer.h"
#include "features/tone_player.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTabBar;

namespace zb {

struct AppContext;
class ToneGraphView;

class FrmToneTips : public QWidget {
    Q_OBJECT

public:
    // Plays on QTimer and the default audio output.
    explicit FrmToneTips(AppContext& ctx, QWidget* parent = nullptr);
    // Plays on the given timers and output (tests).
    FrmToneTips(AppContext& ctx, std::unique_ptr<TimerFactory> timers,
                std::unique_ptr<ToneOutput> output, QWidget* parent = nullptr);
    ~FrmToneTips() override;

    void ApplyLanguage();
    int CurrentSequence() const { return current_; }
    bool IsPlaying() const { return player_->IsPlaying(); }

    // Asks where to export the sequence; an empty answer cancels. Defaults to a file dialog.
    std::function<QString(const QString& suggestedName)> chooseExportPath;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildControls();
    void FillLists();
    void ShowSequence();
    void RedrawGraph();
    const RogerBeepRecord& CurrentBeep() const;

    void TabChanged(int index);
    void RepeatChosen(int item);
    void PauseChosen(int item);
    void FrequencyChosen(int tone, int item);
    void LengthChosen(int tone, int item);
    void Play();
    void Stop();
    void ExportWav();
    void CloseWindow();

    AppContext& ctx_;
    int current_ = 1;  // the sequence on the selected tab, 1..8

    std::unique_ptr<TimerFactory> timers_;
    std::unique_ptr<ToneOutput> output_;
    std::unique_ptr<TonePlayer> player_;

    QTabBar* tabStrip_ = nullptr;
    QLabel* repeatCaption_ = nullptr;
    QLabel* pauseCaption_ = nullptr;
    QComboBox* repeatList_ = nullptr;
    QComboBox* pauseList_ = nullptr;
    std::array<QLabel*, 2> frequencyHeaders_{};
    std::array<QLabel*, 2> lengthHeaders_{};
    std::array<QLabel*, kTonesPerBeep> toneCaptions_{};
    std::array<QComboBox*, kTonesPerBeep> frequencyLists_{};
    std::array<QComboBox*, kTonesPerBeep> lengthLists_{};
    QComboBox* translationList_ = nullptr;
    ToneGraphView* graph_ = nullptr;
    QPushButton* playButton_ = nullptr;
    QPushButton* stopButton_ = nullptr;
    QPushButton* exportButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    QPushButton* helpButton_ = nullptr;
};

}  // namespace zb
