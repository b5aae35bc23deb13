// The QSerialPort line over a pseudo-terminal: receive threshold, buffers, writing, open errors.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include "link/qt/qt_port_directory.h"
#include "link/qt/qt_serial_line.h"
#include "link/qt/qt_timer.h"
#include "support/pty_pair.h"

using namespace zb;

namespace {

struct CountingListener : SerialListener {
    SerialLine* line = nullptr;
    std::vector<Bytes> received;
    int sendDone = 0;
    void OnReceive() override { received.push_back(line->ReadAll()); }
    void OnSendDone() override { ++sendDone; }
};

// Runs the event loop until done() or the time is up.
template <class F>
bool SpinUntil(F done, int ms = 2000) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

}  // namespace

TEST(QtSerialLine, ReceiveEventWaitsForTheThresholdAndWritesReachTheRadio) {
    test::PtyPair pty;
    ASSERT_TRUE(pty.ok());
    PortNumbers numbers;
    QtPortDirectory ports(numbers);
    ports.SetOnlyAddedDevices(true);
    const int port = ports.AddDevice(pty.path());
    EXPECT_EQ(ports.ListPorts(), std::vector<int>{port});

    QtSerialLine line(numbers);
    CountingListener listener;
    listener.line = &line;
    line.SetListener(&listener);
    std::string reason;
    ASSERT_TRUE(line.Open({port, 0, 1}, &reason)) << reason;

    line.SetReceiveThreshold(4);
    pty.Send({1, 2});
    SpinUntil([] { return false; }, 100);
    EXPECT_TRUE(listener.received.empty()) << "two bytes are below the threshold";
    pty.Send({3, 4, 5});
    ASSERT_TRUE(SpinUntil([&] { return !listener.received.empty(); }));
    EXPECT_EQ(listener.received[0], (Bytes{1, 2, 3, 4, 5}));

    // Binary bytes, XON and XOFF included, go out unchanged without handshaking.
    line.Write({0x11, 0x13, 0x00, 0xFF});
    EXPECT_TRUE(SpinUntil([&] { return listener.sendDone > 0; }));
    EXPECT_EQ(pty.Receive(4, 1000), (Bytes{0x11, 0x13, 0x00, 0xFF}));

    // Clearing drops what arrived before a send.
    pty.Send({9, 9});
    SpinUntil([] { return false; }, 100);
    line.ClearBuffers();
    line.SetReceiveThreshold(1);
    listener.received.clear();
    pty.Send({7});
    ASSERT_TRUE(SpinUntil([&] { return !listener.received.empty(); }));
    EXPECT_EQ(listener.received[0], Bytes{7});

    line.Close();
    EXPECT_FALSE(line.IsOpen());
}

TEST(QtSerialLine, OpenFailureSaysWhy) {
    PortNumbers numbers;
    const int port = numbers.NumberFor("/dev/zb-no-such-port", false);
    QtSerialLine line(numbers);
    std::string reason;
    EXPECT_FALSE(line.Open({port, 0, 1}, &reason));
    EXPECT_NE(reason.find("/dev/zb-no-such-port"), std::string::npos) << reason;
    EXPECT_NE(OpenFailureReason(QSerialPort::PermissionError, "/dev/ttyS0").find("/dev/ttyS0"),
              std::string::npos);
}

// A refused open suggests joining a group only for a serial-port group whose members may
// read and write the device; a root-owned device, or one whose group has no access, is
// explained by its permissions, never with "usermod -aG root".
TEST(QtSerialLine, PermissionRefusalAdvisesOnlySerialGroupsThatGrantAccess) {
    struct Case {
        DeviceAccess access;
        const char* expected;
    };
    const Case cases[] = {
        {{"root", "root", 0600, false, false},
         "You may not open /dev/ttyUSB0: the device's permissions refuse your user (owner 'root', "
         "group 'root', mode 0600)."},
        {{"root", "root", 0660, false, false},
         "You may not open /dev/ttyUSB0: the device's permissions refuse your user (owner 'root', "
         "group 'root', mode 0660)."},
        {{"root", "dialout", 0600, false, false},
         "You may not open /dev/ttyUSB0: the device's permissions refuse your user (owner 'root', "
         "group 'dialout', mode 0600)."},
        {{"root", "dialout", 0660, false, false},
         "You may not open /dev/ttyUSB0: it belongs to the group 'dialout'. Add yourself with "
         "'sudo usermod -aG dialout $USER' and log in again."},
        {{"root", "uucp", 0660, false, false},
         "You may not open /dev/ttyUSB0: it belongs to the group 'uucp'. Add yourself with "
         "'sudo usermod -aG uucp $USER' and log in again."},
        {{"root", "dialout", 0660, false, true},  // a member refused all the same
         "You may not open /dev/ttyUSB0: the device's permissions refuse your user (owner 'root', "
         "group 'dialout', mode 0660)."},
        {{"root", "dialout", 0660, true, true},
         "You may not open /dev/ttyUSB0, or another program is using it."},
    };
    for (const Case& c : cases) EXPECT_EQ(PermissionRefusal("/dev/ttyUSB0", c.access), c.expected);
}

TEST(QtTimer, FiresOnceAfterItsTime) {
    QtTimerFactory factory;
    auto timer = factory.CreateTimer();
    int fired = 0;
    timer->onTimeout = [&] { ++fired; };
    timer->Start(20);
    EXPECT_TRUE(timer->IsActive());
    ASSERT_TRUE(SpinUntil([&] { return fired > 0; }));
    SpinUntil([] { return false; }, 60);
    EXPECT_EQ(fired, 1);
    timer->Start(20);
    timer->Stop();
    SpinUntil([] { return false; }, 60);
    EXPECT_EQ(fired, 1);
}
