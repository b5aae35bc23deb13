// Port numbers that stay with a device from run to run.
#include <gtest/gtest.h>

#include "link/port_numbers.h"
#include "support/temp_dir.h"

using namespace zb;

TEST(PortNumbers, ComNamesKeepTheirNumberOthersGetTheLowestFreeOneAndKeepIt) {
    EXPECT_EQ(ComNumberOf("COM7"), 7);
    EXPECT_EQ(ComNumberOf("com12"), 12);
    EXPECT_FALSE(ComNumberOf("COM"));
    EXPECT_FALSE(ComNumberOf("COMx"));
    EXPECT_FALSE(ComNumberOf("/dev/ttyUSB0"));

    test::TempDir dir;
    const std::string file = dir / "ports.ini";
    {
        PortNumbers numbers(file);
        EXPECT_EQ(numbers.NumberFor("COM3"), 3);
        EXPECT_EQ(numbers.NumberFor("/dev/ttyUSB0"), 1);
        EXPECT_EQ(numbers.NumberFor("/dev/ttyACM0"), 2);
        EXPECT_EQ(numbers.NumberFor("/dev/ttyUSB0"), 1);
        EXPECT_EQ(numbers.NumberFor("/dev/pts/9", false), 3);
    }
    PortNumbers later(file);
    EXPECT_EQ(later.DeviceFor(2), "/dev/ttyACM0");
    EXPECT_FALSE(later.DeviceFor(3)) << "a device not remembered is forgotten";
    EXPECT_EQ(later.NumberFor("/dev/ttyUSB1"), 3);
}
