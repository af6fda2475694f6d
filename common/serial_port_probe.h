#pragma once
// The computer's serial ports on Linux, numbered like the numbered serial devices the users know.
//
// Numbering (fixed, so that a port keeps its number whatever else is plugged in):
//   ports   1 ..  32  ->  <devDir>/ttyS0   .. ttyS31    (on-board UARTs)
//   ports  33 .. 144  ->  <devDir>/ttyUSB0 .. ttyUSB111 (USB-serial adapters)
//   ports 145 .. 256  ->  <devDir>/ttyACM0 .. ttyACM111 (USB modem-class adapters)
// A port exists when its device opens for reading and writing (O_NOCTTY|O_NONBLOCK, so probing never
// waits for a carrier nor becomes a controlling terminal); EBUSY or EACCES means it exists but another
// program holds it. An on-board UART device that the kernel lists without hardware behind it
// (serial type "unknown") counts as missing.
#include "common/platform.h"

#include <filesystem>
#include <string>

namespace corvane {

inline constexpr int kSerialPortLimit = 256;

// The device of port `portNumber` (1..kSerialPortLimit) inside `devDir`; empty outside that range.
std::filesystem::path serialDevicePath(int portNumber, const std::filesystem::path& devDir = "/dev");

class LinuxSerialPortProbe : public SerialPortProbe {
public:
    explicit LinuxSerialPortProbe(std::filesystem::path devDir = "/dev") : devDir_(std::move(devDir)) {}
    State probe(int portNumber) override;
    int portLimit() override { return kSerialPortLimit; }

private:
    std::filesystem::path devDir_;
};

} // namespace corvane
