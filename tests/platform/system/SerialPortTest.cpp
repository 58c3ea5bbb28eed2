// Serial ports on a real pseudo-terminal: the program's side is the slave device, the test plays
// the instrument on the master.

#include "platform/system/SerialPort.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <thread>
#include <unistd.h>

namespace {

using platform::SerialPort;

class SerialPortTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        master = posix_openpt(O_RDWR | O_NOCTTY);
        ASSERT_GE(master, 0);
        ASSERT_EQ(grantpt(master), 0);
        ASSERT_EQ(unlockpt(master), 0);
        path = ptsname(master);
    }
    void TearDown() override { close(master); }

    void Send(const std::string& text) { ASSERT_EQ(write(master, text.data(), text.size()), ssize_t(text.size())); }

    static int WaitWaiting(SerialPort& port, int bytes)
    {
        int waiting = 0;
        for (int i = 0; i < 2000 && waiting < bytes; ++i) {
            waiting = port.clearErrors().waiting;
            if (waiting < bytes)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return waiting;
    }

    int master = -1;
    std::string path;
};

TEST_F(SerialPortTest, ReadsWithoutWaitingAndCountsWhatIsWaiting)
{
    SerialPort port;
    ASSERT_TRUE(port.open(path, 38400));
    char buffer[64];
    EXPECT_EQ(port.read(buffer, sizeof buffer), 0);  // nothing there: no blocking
    Send("$GPHDT,1.0,T\r\n");
    ASSERT_EQ(WaitWaiting(port, 14), 14);
    EXPECT_EQ(port.read(buffer, 6), 6);
    EXPECT_EQ(std::string(buffer, 6), "$GPHDT");
    EXPECT_EQ(port.clearErrors().waiting, 8);
    EXPECT_EQ(port.read(buffer, sizeof buffer), 8);
    EXPECT_EQ(std::string(buffer, 8), ",1.0,T\r\n");  // raw: CR and LF unchanged
}

TEST_F(SerialPortTest, PurgeDropsWaitingInput)
{
    SerialPort port;
    ASSERT_TRUE(port.open(path, 4800));
    Send("noise");
    ASSERT_EQ(WaitWaiting(port, 5), 5);
    port.purge();
    EXPECT_EQ(port.clearErrors().waiting, 0);
}

TEST_F(SerialPortTest, WritesReachTheInstrument)
{
    SerialPort port;
    ASSERT_TRUE(port.open(path, 9600));
    EXPECT_EQ(port.write("$GPRMC\r\n", 8), 8);
    char buffer[16] = {};
    ssize_t n = 0;
    for (int i = 0; i < 2000 && n <= 0; ++i) {
        n = read(master, buffer, sizeof buffer);
        if (n <= 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    EXPECT_EQ(std::string(buffer, size_t(n)), "$GPRMC\r\n");
}

TEST_F(SerialPortTest, RefusesWhatCannotBeOpened)
{
    SerialPort port;
    EXPECT_FALSE(port.open("/nonexistent/ttyS99", 4800));
    EXPECT_FALSE(port.open(path, 12345));  // not a standard rate
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(port.clearErrors().waiting, 0);
    EXPECT_FALSE(port.setBreak(true));
    char c;
    EXPECT_EQ(port.read(&c, 1), 0);
}

// Not shared: a second opener is refused (root too, as the tests run) until the first closes.
TEST_F(SerialPortTest, ADeviceOpenedIsRefusedToASecondOpenerUntilItCloses)
{
    SerialPort first;
    SerialPort second;
    ASSERT_TRUE(first.open(path, 4800));
    EXPECT_FALSE(second.open(path, 4800));
    EXPECT_FALSE(second.isOpen());
    first.close();
    EXPECT_TRUE(second.open(path, 4800));
}

TEST(SerialDevicePath, ComNumbersMapToDevices)
{
    EXPECT_EQ(platform::SerialDevicePath(0), "/dev/ttyS0");
    EXPECT_EQ(platform::SerialDevicePath(11), "/dev/ttyS11");
    setenv("VARNIK_COM3", "/dev/ttyUSB0", 1);
    EXPECT_EQ(platform::SerialDevicePath(2), "/dev/ttyUSB0");
    platform::SetSerialDevicePath(2, "/dev/ttyAMA1");
    EXPECT_EQ(platform::SerialDevicePath(2), "/dev/ttyAMA1");
    platform::SetSerialDevicePath(2, "");
    unsetenv("VARNIK_COM3");
    EXPECT_EQ(platform::SerialDevicePath(2), "/dev/ttyS2");
}

}  // namespace
