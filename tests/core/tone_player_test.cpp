// Playing roger-beep sequences on a virtual clock, and their WAV form.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "core/virtual_clock_timers.h"
#include "features/tone_player.h"
#include "features/wav_export.h"

using namespace zb;
using zb::test::VirtualClockTimers;

namespace {

struct Heard {
    int64_t at;
    int hz;
    int ms;
    bool operator==(const Heard&) const = default;
};

class RecordingOutput : public ToneOutput {
public:
    explicit RecordingOutput(const VirtualClockTimers& clock) : clock_(clock) {}
    void Sound(int frequencyHz, int durationMs) override {
        heard.push_back({clock_.now, frequencyHz, durationMs});
    }
    void Silence() override { silenced.push_back(clock_.now); }

    std::vector<Heard> heard;
    std::vector<int64_t> silenced;

private:
    const VirtualClockTimers& clock_;
};

void SetTone(RogerBeepRecord& beep, int tone, int freqCode, int lengthCode) {
    beep.Tone[tone - 1].ToneFreq = static_cast<int16_t>(freqCode);
    beep.Tone[tone - 1].ToneLength = static_cast<int16_t>(lengthCode);
}

class TonePlayerTest : public ::testing::Test {
protected:
    TonePlayerTest() {
        player.onFinished = [this] {
            ++finishedCalls;
            finishedAt = clock.now;
        };
    }

    bool Play() {
        return player.Play([this]() -> const RogerBeepRecord& { return beep; });
    }

    RogerBeepRecord beep;
    VirtualClockTimers clock;
    RecordingOutput output{clock};
    TonePlayer player{clock, output};
    int finishedCalls = 0;
    int64_t finishedAt = -1;
};

}  // namespace

TEST_F(TonePlayerTest, TwoPassesOfTwoTonesAndAPauseLast1200ms) {
    beep.RecycleTimes = 2;
    beep.InterTime = 30;
    SetTone(beep, 1, 100, 10);  // 1000 Hz, 100 ms
    SetTone(beep, 2, 200, 20);  // 2000 Hz, 200 ms

    ASSERT_TRUE(Play());
    EXPECT_TRUE(player.IsPlaying());
    clock.RunUntilIdle();

    EXPECT_EQ(finishedCalls, 1);
    EXPECT_EQ(finishedAt, 1200);
    EXPECT_FALSE(player.IsPlaying());
    const std::vector<Heard> expected = {
        {0, 1000, 100}, {100, 2000, 200}, {600, 1000, 100}, {700, 2000, 200}};
    EXPECT_EQ(output.heard, expected);
}

TEST_F(TonePlayerTest, ShortTonesAreSkippedAndLowTonesAreSilentInTheirPlace) {
    beep.RecycleTimes = 1;
    SetTone(beep, 1, 100, 0);   // length 0: skipped
    SetTone(beep, 2, 0, 20);    // "None" for 200 ms: silence
    SetTone(beep, 3, 4, 10);    // 40 Hz: below 50 Hz, silence
    SetTone(beep, 4, 5, 10);    // 50 Hz sounds
    SetTone(beep, 5, 120, -3);  // a negative length counts as 0
    SetTone(beep, 14, 255, 1);  // the fourteenth tone, 10 ms

    ASSERT_TRUE(Play());
    clock.RunUntilIdle();

    const std::vector<Heard> expected = {{300, 50, 100}, {400, 2550, 10}};
    EXPECT_EQ(output.heard, expected);
    EXPECT_EQ(finishedAt, 410);
    const std::vector<ToneStep> schedule = {{0, 200}, {0, 100}, {50, 100}, {2550, 10}};
    EXPECT_EQ(PlaySchedule(beep), schedule);
}

TEST_F(TonePlayerTest, StopEndsPlayingBeforeTheNextTone) {
    beep.RecycleTimes = 3;
    beep.InterTime = 50;
    SetTone(beep, 1, 100, 10);
    SetTone(beep, 2, 200, 10);

    for (int64_t stopAt : {50, 150, 300}) {  // in tone 1, in tone 2, in the pause
        output.heard.clear();
        output.silenced.clear();
        finishedCalls = 0;
        clock.now = 0;
        ASSERT_TRUE(Play());
        clock.Advance(stopAt);
        const size_t heardBefore = output.heard.size();
        player.Stop();

        EXPECT_FALSE(player.IsPlaying()) << stopAt;
        EXPECT_EQ(finishedCalls, 1) << stopAt;
        EXPECT_EQ(output.silenced, std::vector<int64_t>{stopAt});
        EXPECT_FALSE(clock.AnyActive()) << stopAt;
        clock.Advance(5000);
        EXPECT_EQ(output.heard.size(), heardBefore) << stopAt;
        player.Stop();  // a second stop does nothing
        EXPECT_EQ(finishedCalls, 1) << stopAt;
    }
}

TEST_F(TonePlayerTest, RepeatAndPauseAreTakenAtPlayAndTonesAsPlayingProceeds) {
    beep.RecycleTimes = 2;
    beep.InterTime = 10;
    SetTone(beep, 1, 100, 10);
    SetTone(beep, 2, 100, 10);

    ASSERT_TRUE(Play());
    clock.Advance(50);
    beep.RecycleTimes = 5;
    beep.InterTime = 100;
    SetTone(beep, 2, 150, 10);
    clock.RunUntilIdle();

    const std::vector<Heard> expected = {
        {0, 1000, 100}, {100, 1500, 100}, {300, 1000, 100}, {400, 1500, 100}};
    EXPECT_EQ(output.heard, expected);
    EXPECT_EQ(finishedAt, 600);  // two passes with the 100 ms pause captured at Play
}

TEST_F(TonePlayerTest, NothingToPlayAndRepeatOff) {
    // Every length 0: Play refuses, nothing starts.
    beep.RecycleTimes = 3;
    SetTone(beep, 1, 100, 0);
    EXPECT_FALSE(CanPlay(beep));
    EXPECT_FALSE(Play());
    EXPECT_EQ(finishedCalls, 0);
    EXPECT_TRUE(PlaySchedule(beep).empty());

    // Repeat "Off": starts and ends at once without a sound.
    beep.RecycleTimes = 0;
    SetTone(beep, 1, 100, 10);
    EXPECT_TRUE(Play());
    EXPECT_EQ(finishedCalls, 1);
    EXPECT_FALSE(player.IsPlaying());
    EXPECT_TRUE(output.heard.empty());
    EXPECT_FALSE(clock.AnyActive());
}

TEST_F(TonePlayerTest, PlayWhilePlayingIsRefusedAndPlayAfterFinishingWorks) {
    beep.RecycleTimes = 1;
    SetTone(beep, 1, 100, 10);
    ASSERT_TRUE(Play());
    EXPECT_FALSE(Play());
    clock.RunUntilIdle();
    EXPECT_EQ(finishedCalls, 1);
    EXPECT_TRUE(Play());
    clock.RunUntilIdle();
    EXPECT_EQ(finishedCalls, 2);
    EXPECT_EQ(output.heard.size(), 2u);
}

namespace {

uint32_t Le32(const std::vector<uint8_t>& b, size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}
uint16_t Le16(const std::vector<uint8_t>& b, size_t at) {
    return static_cast<uint16_t>(b[at] | b[at + 1] << 8);
}
int16_t Sample(const std::vector<uint8_t>& b, size_t n) {
    return static_cast<int16_t>(Le16(b, kWavHeaderSize + 2 * n));
}

}  // namespace

TEST(RogerBeepWav, HeaderAndSamplesFollowTheSchedule) {
    RogerBeepRecord beep;
    beep.RecycleTimes = 2;
    beep.InterTime = 5;         // 50 ms pause
    SetTone(beep, 1, 100, 10);  // 1000 Hz, 100 ms
    SetTone(beep, 2, 0, 20);    // 200 ms silence

    const std::vector<uint8_t> wav = RogerBeepWav(beep, 8000);
    const uint32_t samples = 2 * (800 + 1600 + 400);
    ASSERT_EQ(wav.size(), kWavHeaderSize + 2 * samples);
    EXPECT_EQ(std::memcmp(wav.data(), "RIFF", 4), 0);
    EXPECT_EQ(Le32(wav, 4), 36 + 2 * samples);
    EXPECT_EQ(std::memcmp(wav.data() + 8, "WAVEfmt ", 8), 0);
    EXPECT_EQ(Le32(wav, 16), 16u);
    EXPECT_EQ(Le16(wav, 20), 1u);  // PCM
    EXPECT_EQ(Le16(wav, 22), 1u);  // mono
    EXPECT_EQ(Le32(wav, 24), 8000u);
    EXPECT_EQ(Le32(wav, 28), 16000u);
    EXPECT_EQ(Le16(wav, 32), 2u);
    EXPECT_EQ(Le16(wav, 34), 16u);
    EXPECT_EQ(std::memcmp(wav.data() + 36, "data", 4), 0);
    EXPECT_EQ(Le32(wav, 40), 2 * samples);

    // The tone sounds, the silence and the pause do not; the second pass repeats the first.
    int peak = 0;
    for (size_t n = 0; n < 800; ++n) peak = std::max(peak, std::abs(int{Sample(wav, n)}));
    EXPECT_GT(peak, 10000);
    for (size_t n = 800; n < 2800; ++n) ASSERT_EQ(Sample(wav, n), 0) << n;
    for (size_t n = 0; n < 800; ++n) ASSERT_EQ(Sample(wav, n), Sample(wav, n + 2800)) << n;
}

TEST(RogerBeepWav, SequenceThatCannotPlayGivesAnEmptyFile) {
    RogerBeepRecord beep;
    beep.RecycleTimes = 1;
    const std::vector<uint8_t> wav = RogerBeepWav(beep);
    ASSERT_EQ(wav.size(), static_cast<size_t>(kWavHeaderSize));
    EXPECT_EQ(Le32(wav, 40), 0u);
    EXPECT_EQ(Le32(wav, 24), static_cast<uint32_t>(kWavSampleRate));
}

TEST(RogerBeepWav, ToneSamplesHaveTheToneFrequency) {
    // 1000 Hz for 200 ms: 200 periods, so about 200 rising zero crossings.
    const std::vector<int16_t> s = ToneSamples(1000, 200, 8000);
    ASSERT_EQ(s.size(), 1600u);
    int rising = 0;
    for (size_t n = 1; n < s.size(); ++n) rising += (s[n - 1] < 0 && s[n] >= 0) ? 1 : 0;
    EXPECT_NEAR(rising, 200, 2);
    EXPECT_EQ(s.front(), 0);
}
