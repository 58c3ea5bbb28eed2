#include "platform/system/SerialPort.h"

#include <array>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <linux/serial.h>
#include <mutex>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace platform {

namespace {

constexpr int ComPortCount = 12;

std::mutex pathLock;
std::array<std::string, ComPortCount> pathOverrides;

speed_t SpeedOf(int baud)
{
    switch (baud) {
    case 300: return B300;
    case 600: return B600;
    case 1200: return B1200;
    case 2400: return B2400;
    case 4800: return B4800;
    case 9600: return B9600;
    case 19200: return B19200;
    case 38400: return B38400;
    case 57600: return B57600;
    case 115200: return B115200;
    default: return B0;
    }
}

}  // namespace

std::string SerialDevicePath(int port)
{
    if (port >= 0 && port < ComPortCount) {
        std::lock_guard lock(pathLock);
        if (!pathOverrides[size_t(port)].empty())
            return pathOverrides[size_t(port)];
    }
    const std::string variable = "VARNIK_COM" + std::to_string(port + 1);
    if (const char* path = std::getenv(variable.c_str()); path != nullptr && *path != '\0')
        return path;
    return "/dev/ttyS" + std::to_string(port);
}

void SetSerialDevicePath(int port, const std::string& path)
{
    if (port < 0 || port >= ComPortCount)
        return;
    std::lock_guard lock(pathLock);
    pathOverrides[size_t(port)] = path;
}

SerialPort::~SerialPort()
{
    close();
}

bool SerialPort::open(const std::string& path, int baud)
{
    close();
    const speed_t speed = SpeedOf(baud);
    if (speed == B0)
        return false;
    // An existing device only (no O_CREAT), and not shared: the flock refuses a second opener,
    // root included; TIOCEXCL keeps out other programs that do not take the lock.
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    termios settings{};
    if (flock(fd, LOCK_EX | LOCK_NB) != 0 || tcgetattr(fd, &settings) != 0 || ioctl(fd, TIOCEXCL) != 0) {
        ::close(fd);
        return false;
    }
    cfmakeraw(&settings);
    settings.c_cflag |= CLOCAL | CREAD;
    settings.c_cflag &= ~(CSTOPB | PARENB | CRTSCTS);
    settings.c_iflag &= ~(IXON | IXOFF | IXANY);
    settings.c_iflag |= INPCK;  // count parity errors where the line has parity
    settings.c_cc[VMIN] = 0;
    settings.c_cc[VTIME] = 0;
    cfsetispeed(&settings, speed);
    cfsetospeed(&settings, speed);
    if (tcsetattr(fd, TCSANOW, &settings) != 0) {
        ::close(fd);
        return false;
    }
    fd_ = fd;
    baud_ = baud;
    pendingErrors_ = 0;
    transmitErrors_ = 0;
    countersKnown_ = false;
    countedErrors();  // the counts so far are the baseline
    return true;
}

void SerialPort::close()
{
    if (fd_ < 0)
        return;
    ioctl(fd_, TIOCNXCL);  // a pseudo-terminal keeps the flag while its master stays open
    ::close(fd_);
    fd_ = -1;
}

uint32_t SerialPort::countedErrors()
{
    serial_icounter_struct counts{};
    if (ioctl(fd_, TIOCGICOUNT, &counts) != 0)
        return 0;  // the driver keeps no counts (a pseudo-terminal)
    uint32_t errors = 0;
    if (countersKnown_) {
        if (counts.frame != lastFrame_) errors |= LineErrorFrame;
        if (counts.overrun != lastOverrun_) errors |= LineErrorOverrun;
        if (counts.parity != lastParity_) errors |= LineErrorParity;
        if (counts.brk != lastBreak_) errors |= LineErrorBreak;
        if (counts.buf_overrun != lastBufOverrun_) errors |= LineErrorRxOverrun;
    }
    countersKnown_ = true;
    lastFrame_ = counts.frame;
    lastOverrun_ = counts.overrun;
    lastParity_ = counts.parity;
    lastBreak_ = counts.brk;
    lastBufOverrun_ = counts.buf_overrun;
    return errors;
}

LineStatus SerialPort::clearErrors()
{
    LineStatus status;
    if (fd_ < 0)
        return status;
    status.errors = pendingErrors_ | transmitErrors_.exchange(0) | countedErrors();
    pendingErrors_ = 0;
    int waiting = 0;
    if (ioctl(fd_, FIONREAD, &waiting) == 0 && waiting > 0)
        status.waiting = waiting;
    return status;
}

int SerialPort::read(char* buffer, int size)
{
    if (fd_ < 0 || size <= 0)
        return 0;
    for (;;) {
        const ssize_t n = ::read(fd_, buffer, size_t(size));
        if (n >= 0)
            return int(n);
        if (errno == EINTR)
            continue;
        if (errno != EAGAIN && errno != EWOULDBLOCK)
            pendingErrors_ |= LineErrorIo;
        return 0;
    }
}

int SerialPort::write(const char* data, int size)
{
    if (fd_ < 0)
        return -1;
    if (size <= 0)
        return 0;
    for (;;) {
        const ssize_t n = ::write(fd_, data, size_t(size));
        if (n >= 0)
            return int(n);
        if (errno == EINTR)
            continue;
        if (errno == EAGAIN || errno == EWOULDBLOCK)
            return 0;
        return -1;
    }
}

void SerialPort::noteTransmitFull()
{
    transmitErrors_ |= LineErrorTxFull;
}

void SerialPort::purge()
{
    if (fd_ >= 0)
        tcflush(fd_, TCIOFLUSH);
}

bool SerialPort::setBreak(bool on)
{
    if (fd_ < 0)
        return false;
    return ioctl(fd_, on ? TIOCSBRK : TIOCCBRK) == 0;
}

}  // namespace platform
