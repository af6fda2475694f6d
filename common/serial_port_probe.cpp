#include "common/serial_port_probe.h"

#include <cerrno>
#include <fcntl.h>
#include <linux/serial.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace corvane {

namespace {

struct DeviceRange {
    int firstPort;
    int count;
    const char* prefix;
};

constexpr DeviceRange kRanges[] = {
    {1, 32, "ttyS"},
    {33, 112, "ttyUSB"},
    {145, 112, "ttyACM"},
};

// An on-board UART node without hardware behind it reports the serial type "unknown".
bool isPhantomUart(int fd) {
    serial_struct info{};
    return ioctl(fd, TIOCGSERIAL, &info) == 0 && info.type == PORT_UNKNOWN;
}

} // namespace

std::filesystem::path serialDevicePath(int portNumber, const std::filesystem::path& devDir) {
    for (const DeviceRange& range : kRanges)
        if (portNumber >= range.firstPort && portNumber < range.firstPort + range.count)
            return devDir / (range.prefix + std::to_string(portNumber - range.firstPort));
    return {};
}

SerialPortProbe::State LinuxSerialPortProbe::probe(int portNumber) {
    const std::filesystem::path device = serialDevicePath(portNumber, devDir_);
    if (device.empty()) return State::Missing;
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return (errno == EBUSY || errno == EACCES) ? State::Busy : State::Missing;
    const bool phantom = isPhantomUart(fd);
    ::close(fd);
    return phantom ? State::Missing : State::Available;
}

} // namespace corvane
