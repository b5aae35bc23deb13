#pragma once
// A roger-beep sequence as sound samples and as a WAV file (16-bit mono PCM).

#include <cstdint>
#include <vector>

#include "codeplug/records.h"
#include "features/tone_player.h"

namespace zb {

inline constexpr int kWavSampleRate = 22050;
inline constexpr int kWavHeaderSize = 44;

// durationMs of a sine at frequencyHz (silence for 0 Hz), with short ramps at both ends so
// tones start and end without a click.
std::vector<int16_t> ToneSamples(int frequencyHz, int durationMs, int sampleRate);

// The steps one after another as a complete WAV file.
std::vector<uint8_t> ScheduleWav(const std::vector<ToneStep>& steps, int sampleRate = kWavSampleRate);

// What Play sounds for the sequence, as a WAV file (no samples when it cannot play).
std::vector<uint8_t> RogerBeepWav(const RogerBeepRecord& beep, int sampleRate = kWavSampleRate);

}  // namespace zb
