// One more port on the serial line (the virtual radio): which line a port number opens, the
// events of the line in use, the port list and the number the extra port gets.
#include <gtest/gtest.h>

#include "link/extra_port_line.h"
#include "link/port_numbers.h"

namespace zb {
namespace {

class FakeLine : public SerialLine {
public:
    bool Open(const LineSettings& s, std::string*) override {
        opened.push_back(s.port);
        open = true;
        return true;
    }
    void Close() override { open = false; }
    bool IsOpen() const override { return open; }
    void SetReceiveThreshold(int n) override { threshold = n; }
    void ClearBuffers() override {}
    void Write(const Bytes& b) override { written.push_back(b); }
    Bytes ReadAll() override { return {0x06}; }
    void Receive() {
        if (listener_) listener_->OnReceive();
    }

    bool open = false;
    int threshold = 0;
    std::vector<int> opened;
    std::vector<Bytes> written;
};

struct CountingListener : SerialListener {
    int received = 0;
    void OnReceive() override { ++received; }
};

TEST(ExtraPortLine, ThePortNumberChoosesTheLineAndItsEventsReachTheListener) {
    FakeLine system, extra;
    ExtraPortLine line(system, extra, 4);
    CountingListener listener;
    line.SetListener(&listener);

    ASSERT_TRUE(line.Open({4, 0, 1}, nullptr));
    EXPECT_TRUE(extra.open);
    EXPECT_TRUE(system.opened.empty());
    line.SetReceiveThreshold(14);
    line.Write({'P'});
    EXPECT_EQ(extra.written.size(), 1u);
    EXPECT_EQ(extra.threshold, 14);
    extra.Receive();
    EXPECT_EQ(listener.received, 1);
    EXPECT_EQ(line.ReadAll(), Bytes{0x06});

    ASSERT_TRUE(line.Open({2, 0, 1}, nullptr));  // another port: the extra line lets go
    EXPECT_FALSE(extra.open);
    EXPECT_EQ(system.opened, std::vector<int>{2});
    line.Write({'E'});
    EXPECT_EQ(system.written.size(), 1u);
    EXPECT_EQ(extra.written.size(), 1u);
    line.Close();
    EXPECT_FALSE(line.IsOpen());
}

TEST(ExtraPortLine, ListedAfterTheSystemPortsWithANumberNoDeviceHas) {
    struct FixedPorts : PortDirectory {
        std::vector<int> ports;
        std::vector<int> ListPorts() override { return ports; }
    } system;
    system.ports = {3, 1, 5};
    EXPECT_EQ(FreePortNumber(system.ports), 6);
    EXPECT_EQ(FreePortNumber({}), 1);
    EXPECT_EQ(ExtraPortDirectory(&system, 6).ListPorts(), (std::vector<int>{3, 1, 5, 6}));
    EXPECT_EQ(ExtraPortDirectory(&system, 5).ListPorts(), (std::vector<int>{3, 1, 5}));  // listed once
    EXPECT_EQ(ExtraPortDirectory(nullptr, 2).ListPorts(), std::vector<int>{2});

    // A remembered device that is not plugged in keeps its number; a device seen later does
    // not get the extra port's.
    PortNumbers numbers;
    EXPECT_EQ(numbers.NumberFor("/dev/ttyS0", false), 1);
    EXPECT_EQ(numbers.NumberFor("/dev/ttyUSB0", false), 2);
    EXPECT_EQ(numbers.ReserveFree("(virtual radio)", 2), 3);
    EXPECT_EQ(numbers.ReserveFree("(virtual radio)", 2), 3);
    EXPECT_EQ(numbers.NumberFor("/dev/ttyACM0", false), 4);
}

}  // namespace
}  // namespace zb
