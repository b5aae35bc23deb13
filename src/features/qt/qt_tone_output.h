#pragma once
// Tones on the computer's default audio output as generated sine waves. Without an audio
// device (or when it refuses the format) every tone is silent; the player's timing is kept
// by its timers either way.

#include <QAudioFormat>
#include <QBuffer>
#include <QByteArray>
#include <memory>

#include "features/tone_player.h"

class QAudioSink;

namespace zb {

class QtToneOutput : public ToneOutput {
public:
    QtToneOutput();
    ~QtToneOutput() override;

    bool HasDevice() const { return sink_ != nullptr; }
    // Whether the device is taking samples of a tone right now.
    bool IsSounding() const;

    void Sound(int frequencyHz, int durationMs) override;
    void Silence() override;

private:
    std::unique_ptr<QAudioSink> sink_;
    QAudioFormat format_;
    QByteArray samples_;
    QBuffer buffer_;
};

}  // namespace zb
