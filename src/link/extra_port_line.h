#pragma once
// One more port on the serial line: a port number that opens a line of its own (the virtual
// radio), while every other number opens the system's line. The port list shows it after the
// system's ports.

#include "link/serial_line.h"

namespace zb {

class ExtraPortLine : public SerialLine {
public:
    ExtraPortLine(SerialLine& system, SerialLine& extra, int extraPort);
    ~ExtraPortLine() override;

    bool Open(const LineSettings& settings, std::string* reason) override;
    void Close() override;
    bool IsOpen() const override;
    void SetReceiveThreshold(int n) override;
    void ClearBuffers() override;
    void Write(const Bytes& bytes) override;
    Bytes ReadAll() override;

    int ExtraPort() const { return extraPort_; }

private:
    // Passes the events of the line in use on to this line's listener.
    class Relay : public SerialListener {
    public:
        explicit Relay(ExtraPortLine& owner) : owner_(owner) {}
        void OnReceive() override;
        void OnSendDone() override;

    private:
        ExtraPortLine& owner_;
    };

    SerialLine& system_;
    SerialLine& extra_;
    int extraPort_;
    SerialLine* current_ = nullptr;  // the line the last Open chose
    Relay relay_{*this};
};

class ExtraPortDirectory : public PortDirectory {
public:
    // system may be null (no port list): then only the extra port is listed.
    ExtraPortDirectory(PortDirectory* system, int extraPort) : system_(system), extraPort_(extraPort) {}
    std::vector<int> ListPorts() override;

private:
    PortDirectory* system_;
    int extraPort_;
};

// A number for the extra port that no listed port uses: one above the highest.
int FreePortNumber(const std::vector<int>& ports);

}  // namespace zb
