#pragma once
// Serial ports on Linux: COM1..COM12 (ports 0..11) map to device paths, opened raw with termios
// (8 data bits, no parity, one stop bit, no flow control) and read without blocking. Line errors
// come as the Windows CE_* bits the program tests, where the driver counts them (a real UART does,
// a pseudo-terminal does not).
//
// A port is opened, closed and read on one thread; write, noteTransmitFull and baud may run on
// another while no open or close runs (the caller's lock keeps them apart).

#include <atomic>
#include <cstdint>
#include <string>

namespace platform {

enum LineError : uint32_t {
    LineErrorRxOverrun = 0x0001,  // the receive queue overflowed
    LineErrorOverrun = 0x0002,    // the UART lost a character
    LineErrorParity = 0x0004,
    LineErrorFrame = 0x0008,
    LineErrorBreak = 0x0010,
    LineErrorTxFull = 0x0100,
    LineErrorIo = 0x0400,         // the device failed a read
    LineErrorMode = 0x8000,
};

// The device path of COM port `port` (0-based): the path set with SetSerialDevicePath, else the
// environment variable VARNIK_COM<n> (n = port + 1, so VARNIK_COM1 for COM1), else /dev/ttyS<port>.
std::string SerialDevicePath(int port);
// Sets the path of a port for this process; an empty path goes back to the default.
void SetSerialDevicePath(int port, const std::string& path);

struct LineStatus {
    uint32_t errors = 0;  // LineError bits since the last call
    int waiting = 0;      // bytes waiting to be read
};

class SerialPort {
public:
    SerialPort() = default;
    ~SerialPort();
    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;

    // Opens the existing device at `baud` (300..115200) for this port alone; false when the path
    // does not open, another opener holds it (root included) or the rate is not a standard one.
    // An open port is closed first.
    bool open(const std::string& path, int baud);
    bool openCom(int port, int baud) { return open(SerialDevicePath(port), baud); }
    void close();
    bool isOpen() const { return fd_ >= 0; }
    // The rate the port was opened at; 0 while closed.
    int baud() const { return fd_ >= 0 ? baud_ : 0; }

    // The line errors since the last call and the number of bytes waiting (ClearCommError).
    LineStatus clearErrors();
    // Reads what is there, up to `size` bytes, without waiting; 0 when nothing is there.
    int read(char* buffer, int size);
    // Writes what the driver takes now; the count written (0 while its queue is full), -1 on
    // failure.
    int write(const char* data, int size);
    // A text could not be written whole: the next clearErrors reports LineErrorTxFull.
    void noteTransmitFull();
    // Drops everything queued in both directions.
    void purge();
    // Holds the line in the break state (the alarm relay) or releases it.
    bool setBreak(bool on);

private:
    uint32_t countedErrors();

    int fd_ = -1;
    int baud_ = 0;
    uint32_t pendingErrors_ = 0;
    std::atomic<uint32_t> transmitErrors_{0};
    bool countersKnown_ = false;
    int lastFrame_ = 0, lastOverrun_ = 0, lastParity_ = 0, lastBreak_ = 0, lastBufOverrun_ = 0;
};

}  // namespace platform
