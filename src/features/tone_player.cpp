#include "features/tone_player.h"

#include <algorithm>

namespace zb {

int ToneMs(const ToneEntry& tone) { return std::max(0, tone.ToneLength * 10); }

int ToneHz(const ToneEntry& tone) {
    const int hz = tone.ToneFreq * 10;
    return hz >= kLowestToneHz ? hz : 0;
}

int PauseMs(const RogerBeepRecord& beep) { return std::max(0, beep.InterTime * 10); }

int SequenceLengthMs(const RogerBeepRecord& beep) {
    int total = 0;
    for (const ToneEntry& tone : beep.Tone) total += ToneMs(tone);
    return total;
}

bool CanPlay(const RogerBeepRecord& beep) { return SequenceLengthMs(beep) > kSkippedToneMs; }

std::vector<ToneStep> PlaySchedule(const RogerBeepRecord& beep) {
    std::vector<ToneStep> steps;
    if (!CanPlay(beep)) return steps;
    for (int pass = 0; pass < beep.RecycleTimes; ++pass) {
        for (const ToneEntry& tone : beep.Tone) {
            if (ToneMs(tone) > kSkippedToneMs) steps.push_back({ToneHz(tone), ToneMs(tone)});
        }
        if (PauseMs(beep) > 0) steps.push_back({0, PauseMs(beep)});
    }
    return steps;
}

TonePlayer::TonePlayer(TimerFactory& timers, ToneOutput& output)
    : output_(output), timer_(timers.CreateTimer()) {
    timer_->onTimeout = [this] { Next(); };
}

TonePlayer::~TonePlayer() {
    onFinished = nullptr;
    Stop();
}

bool TonePlayer::Play(SequenceSource source) {
    if (playing_ || !source || !CanPlay(source())) return false;
    source_ = std::move(source);
    const RogerBeepRecord& beep = source_();
    passes_ = std::max<int>(0, beep.RecycleTimes);
    pauseMs_ = PauseMs(beep);
    pass_ = 0;
    tone_ = 0;
    playing_ = true;
    Next();
    return true;
}

void TonePlayer::Stop() {
    if (!playing_) return;
    timer_->Stop();
    output_.Silence();
    Finish();
}

void TonePlayer::Next() {
    while (playing_) {
        if (pass_ >= passes_) {
            Finish();
            return;
        }
        if (tone_ < kTonesPerBeep) {
            const ToneEntry tone = source_().Tone[tone_++];
            const int ms = ToneMs(tone);
            if (ms <= kSkippedToneMs) continue;
            const int hz = ToneHz(tone);
            if (hz > 0) output_.Sound(hz, ms);
            timer_->Start(ms);
            return;
        }
        tone_ = 0;
        ++pass_;
        if (pauseMs_ > 0) {
            timer_->Start(pauseMs_);
            return;
        }
    }
}

void TonePlayer::Finish() {
    playing_ = false;
    source_ = nullptr;
    if (onFinished) onFinished();
}

}  // namespace zb
