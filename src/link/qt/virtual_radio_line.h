#pragma once
// A serial line to a device inside the program, such as the simulated radio. What the link
// writes goes to the device at once; the device's answer arrives later through the event
// loop (a QTimer of `replyDelayMs`), never inside Write, as the bytes of a real port would.

#include <QObject>
#include <cstdint>

#include "link/serial_line.h"

namespace zb {

// The far end of the line.
class VirtualDevice {
public:
    virtual ~VirtualDevice() = default;
    // Takes received bytes and returns what the device answers to them (may be nothing).
    virtual Bytes Feed(const Bytes& received) = 0;
    // The line was opened again: forget a half-received request.
    virtual void Reset() {}
};

class VirtualRadioLine : public SerialLine {
public:
    explicit VirtualRadioLine(VirtualDevice& device, int replyDelayMs = 0);
    ~VirtualRadioLine() override;

    bool Open(const LineSettings& settings, std::string* reason) override;
    void Close() override;
    bool IsOpen() const override { return open_; }
    void SetReceiveThreshold(int n) override { threshold_ = n < 1 ? 1 : n; }
    void ClearBuffers() override { input_.clear(); }
    void Write(const Bytes& bytes) override;
    Bytes ReadAll() override;

    void SetReplyDelay(int milliseconds) { delayMs_ = milliseconds < 0 ? 0 : milliseconds; }
    const LineSettings& Settings() const { return settings_; }

private:
    void Arrive(uint64_t epoch, const Bytes& bytes);
    void Drained(uint64_t epoch);

    VirtualDevice& device_;
    int delayMs_;
    QObject events_;  // owns the pending deliveries: they go with the line
    bool open_ = false;
    LineSettings settings_;
    int threshold_ = 1;
    Bytes input_;
    uint64_t epoch_ = 0;  // each open and close: replies of an earlier opening are dropped
};

}  // namespace zb
