#include "features/qt/qt_tone_output.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QMediaDevices>

#include "features/wav_export.h"

namespace zb {

QtToneOutput::QtToneOutput() {
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) return;
    format_.setChannelCount(1);
    format_.setSampleFormat(QAudioFormat::Int16);
    format_.setSampleRate(kWavSampleRate);
    if (!device.isFormatSupported(format_)) format_.setSampleRate(device.preferredFormat().sampleRate());
    if (!device.isFormatSupported(format_)) return;
    sink_ = std::make_unique<QAudioSink>(device, format_);
}

QtToneOutput::~QtToneOutput() { Silence(); }

void QtToneOutput::Sound(int frequencyHz, int durationMs) {
    if (!sink_) return;
    Silence();
    const std::vector<int16_t> tone = ToneSamples(frequencyHz, durationMs, format_.sampleRate());
    samples_ = QByteArray(reinterpret_cast<const char*>(tone.data()),
                          static_cast<qsizetype>(tone.size() * sizeof(int16_t)));
    buffer_.setData(samples_);
    buffer_.open(QIODevice::ReadOnly);
    sink_->start(&buffer_);  // a failing device stays silent; the timers keep the timing
}

bool QtToneOutput::IsSounding() const {
    return sink_ != nullptr && sink_->state() == QAudio::ActiveState;
}

void QtToneOutput::Silence() {
    if (sink_) sink_->stop();
    if (buffer_.isOpen()) buffer_.close();
}

}  // namespace zb
