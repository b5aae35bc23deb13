#pragma once
// The serial line as the radio link uses it. The Qt adapter (QSerialPort), the in-process
// simulated radio and test fakes implement it.

#include <cstdint>
#include <string>
#include <vector>

namespace zb {

using Bytes = std::vector<uint8_t>;

// Speed, parity and data bits are fixed: 9600 baud, no parity, 8 data bits.
struct LineSettings {
    int port = 1;         // port number, shown as "COM" + number
    int handshaking = 0;  // 0 none, 1 XON/XOFF, 2 RTS/CTS, 3 RTS/CTS and XON/XOFF
    int stopBits = 1;     // 1 or 2
};

class SerialListener {
public:
    virtual ~SerialListener() = default;
    virtual void OnReceive() = 0;   // at least the threshold's bytes are buffered
    virtual void OnSendDone() {}    // output buffer drained (test mode only)
};

class SerialLine {
public:
    virtual ~SerialLine() = default;

    // Opens the port with the settings; on failure returns false and, where known, a reason
    // for the user in `reason` (e.g. missing permission).
    virtual bool Open(const LineSettings& settings, std::string* reason) = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;

    // A receive event fires once at least n bytes are buffered.
    virtual void SetReceiveThreshold(int n) = 0;
    // Discards the output buffer, then the input buffer.
    virtual void ClearBuffers() = 0;
    virtual void Write(const Bytes& bytes) = 0;
    // Everything buffered, at once.
    virtual Bytes ReadAll() = 0;

    void SetListener(SerialListener* listener) { listener_ = listener; }

protected:
    SerialListener* listener_ = nullptr;
};

// The serial ports present on the system, by port number, in the system's order.
class PortDirectory {
public:
    virtual ~PortDirectory() = default;
    virtual std::vector<int> ListPorts() = 0;
};

}  // namespace zb
