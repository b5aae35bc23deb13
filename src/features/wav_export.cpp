#include "features/wav_export.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zb {
namespace {

constexpr double kAmplitude = 0.6 * 32767.0;
constexpr int kRampMs = 3;

void PutText(std::vector<uint8_t>& out, const char (&text)[5]) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(text[i]));
}

void PutLe(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

int SampleCount(int durationMs, int sampleRate) {
    return static_cast<int>(static_cast<int64_t>(std::max(0, durationMs)) * sampleRate / 1000);
}

}  // namespace

std::vector<int16_t> ToneSamples(int frequencyHz, int durationMs, int sampleRate) {
    const int count = SampleCount(durationMs, sampleRate);
    std::vector<int16_t> samples(static_cast<size_t>(count), 0);
    if (frequencyHz <= 0 || sampleRate <= 0) return samples;
    const int ramp = std::min(SampleCount(kRampMs, sampleRate), count / 2);
    const double step = 2.0 * std::numbers::pi * frequencyHz / sampleRate;
    for (int n = 0; n < count; ++n) {
        double gain = 1.0;
        if (ramp > 0 && n < ramp) gain = static_cast<double>(n) / ramp;
        if (ramp > 0 && count - 1 - n < ramp) gain = static_cast<double>(count - 1 - n) / ramp;
        samples[static_cast<size_t>(n)] =
            static_cast<int16_t>(std::lround(kAmplitude * gain * std::sin(step * n)));
    }
    return samples;
}

std::vector<uint8_t> ScheduleWav(const std::vector<ToneStep>& steps, int sampleRate) {
    std::vector<int16_t> samples;
    for (const ToneStep& step : steps) {
        const std::vector<int16_t> part = ToneSamples(step.frequencyHz, step.durationMs, sampleRate);
        samples.insert(samples.end(), part.begin(), part.end());
    }
    const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
    std::vector<uint8_t> out;
    out.reserve(kWavHeaderSize + dataBytes);
    PutText(out, "RIFF");
    PutLe(out, 36 + dataBytes, 4);
    PutText(out, "WAVE");
    PutText(out, "fmt ");
    PutLe(out, 16, 4);                                    // format chunk size
    PutLe(out, 1, 2);                                     // PCM
    PutLe(out, 1, 2);                                     // mono
    PutLe(out, static_cast<uint32_t>(sampleRate), 4);     // sample rate
    PutLe(out, static_cast<uint32_t>(sampleRate) * 2, 4); // bytes per second
    PutLe(out, 2, 2);                                     // bytes per frame
    PutLe(out, 16, 2);                                    // bits per sample
    PutText(out, "data");
    PutLe(out, dataBytes, 4);
    for (int16_t s : samples) PutLe(out, static_cast<uint16_t>(s), 2);
    return out;
}

std::vector<uint8_t> RogerBeepWav(const RogerBeepRecord& beep, int sampleRate) {
    return ScheduleWav(PlaySchedule(beep), sampleRate);
}

}  // namespace zb
