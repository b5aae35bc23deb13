#pragma once
// Playing a roger-beep sequence on the computer: which tones sound for how long, and a player
// that steps through them on one-shot timers so the windows stay usable while it plays.

#include <functional>
#include <memory>
#include <vector>

#include "base/timer.h"
#include "codeplug/records.h"

namespace zb {

inline constexpr int kSkippedToneMs = 4;  // a tone this short or shorter is left out
inline constexpr int kLowestToneHz = 50;  // a lower frequency is played as silence

// Length of a tone in ms (a negative stored length counts as 0).
int ToneMs(const ToneEntry& tone);
// Frequency a tone sounds at in Hz; 0 for silence (below 50 Hz, "None" included).
int ToneHz(const ToneEntry& tone);
// Pause after each pass in ms.
int PauseMs(const RogerBeepRecord& beep);
// Sum of the fourteen tone lengths in ms.
int SequenceLengthMs(const RogerBeepRecord& beep);
// Play does nothing for a sequence of 4 ms or less.
bool CanPlay(const RogerBeepRecord& beep);

struct ToneStep {
    int frequencyHz;  // 0: silence
    int durationMs;

    bool operator==(const ToneStep&) const = default;
};

// What a full play of the sequence sounds: RecycleTimes passes, each the tones that are not
// skipped followed by the pause (a pause of 0 ms gives no step). Empty when it cannot play.
std::vector<ToneStep> PlaySchedule(const RogerBeepRecord& beep);

// Where the tones go. Sound starts a tone of the given length and returns at once; Silence
// ends a sounding tone early.
class ToneOutput {
public:
    virtual ~ToneOutput() = default;
    virtual void Sound(int frequencyHz, int durationMs) = 0;
    virtual void Silence() = 0;
};

// Plays a sequence step by step. The repeat count and the pause are taken when Play starts;
// the tones are read from the source as playing proceeds, so edits (and a switch to another
// sequence) are heard from the next tone on.
class TonePlayer {
public:
    using SequenceSource = std::function<const RogerBeepRecord&()>;

    TonePlayer(TimerFactory& timers, ToneOutput& output);
    ~TonePlayer();
    TonePlayer(const TonePlayer&) = delete;
    TonePlayer& operator=(const TonePlayer&) = delete;

    // Starts playing; false (and nothing happens) when the sequence cannot play or a play is
    // running. A repeat count of 0 starts and finishes at once.
    bool Play(SequenceSource source);
    // Ends playing at once: the sounding tone is cut and no further tone follows.
    void Stop();
    bool IsPlaying() const { return playing_; }

    // Called when playing ends, after the last pass or on Stop.
    std::function<void()> onFinished;

private:
    void Next();
    void Finish();

    ToneOutput& output_;
    std::unique_ptr<OneShotTimer> timer_;
    SequenceSource source_;
    bool playing_ = false;
    int passes_ = 0;   // captured at Play
    int pauseMs_ = 0;  // captured at Play
    int pass_ = 0;
    int tone_ = 0;  // next tone of the pass, 0..14 (14: the pause)
};

}  // namespace zb
