#include "link/core/port_factory.h"

#ifdef _WIN32
#include "link/core/port_win.h"
using PlatformPort = WinSerialPort;
#else
#include "link/core/port_posix.h"
using PlatformPort = PosixSerialPort;
#endif

#include <QSerialPortInfo>

#include <algorithm>
#include <map>
#include <mutex>

namespace {

std::mutex& RegistryMutex()
{
    static std::mutex m;
    return m;
}

std::map<std::string, PortCreator>& Registry()
{
    static std::map<std::string, PortCreator> creators;
    return creators;
}

PortCreator FindCreator(const std::string& name)
{
    std::lock_guard lock(RegistryMutex());
    const auto it = Registry().find(name);
    return it == Registry().end() ? PortCreator{} : it->second;
}

// Stands for a special name nobody has registered: it never opens, so the
// transfer reports "Open port fail" instead of opening a file of that name.
class UnavailablePort final : public SerialPort {
public:
    bool open(const std::string&) override { return false; }
    bool isOpen() const override { return false; }
    void setQueueSizes(int, int) override {}
    void setTimeouts(const PortTimeouts&) override {}
    void setLine(const LineSettings&) override {}
    void purge() override {}
    int read(std::uint8_t*, int) override { return -1; }
    int write(const std::uint8_t*, int) override { return -1; }
    void close() override {}
};

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Compares names with their digit runs taken as numbers.
bool NaturalLess(const std::string& a, const std::string& b)
{
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (IsDigit(a[i]) && IsDigit(b[j])) {
            std::size_t ie = i, je = j;
            while (ie < a.size() && a[ie] == '0')
                ++ie;
            while (je < b.size() && b[je] == '0')
                ++je;
            std::size_t ia = ie, jb = je;
            while (ia < a.size() && IsDigit(a[ia]))
                ++ia;
            while (jb < b.size() && IsDigit(b[jb]))
                ++jb;
            if (ia - ie != jb - je)
                return ia - ie < jb - je;
            if (const int c = a.compare(ie, ia - ie, b, je, jb - je); c != 0)
                return c < 0;
            i = ia;
            j = jb;
        } else {
            if (a[i] != b[j])
                return a[i] < b[j];
            ++i;
            ++j;
        }
    }
    return a.size() - i < b.size() - j;
}

} // namespace

void RegisterPortCreator(const std::string& name, PortCreator creator)
{
    std::lock_guard lock(RegistryMutex());
    if (creator)
        Registry()[name] = std::move(creator);
    else
        Registry().erase(name);
}

std::unique_ptr<SerialPort> CreatePort(const std::string& name)
{
    if (const PortCreator creator = FindCreator(name)) {
        if (auto port = creator())
            return port;
        return std::make_unique<UnavailablePort>();
    }
    if (name == kSimPortName)
        return std::make_unique<UnavailablePort>();
    return std::make_unique<PlatformPort>();
}

std::string PortNameForNumber(int n)
{
    if (n >= 1 && n <= 9)
        return "COM" + std::to_string(n);
    if (n >= 10 && n <= 16)
        return "\\\\.\\COM" + std::to_string(n);
    return {};
}

std::optional<int> PortNumberFromName(const std::string& name)
{
    // Skip at least one character up to the first "M", then the "M", then
    // read a decimal number the way a %d conversion does.
    const std::size_t m = name.find('M');
    if (m == std::string::npos || m == 0)
        return std::nullopt;
    std::size_t i = m + 1;
    while (i < name.size() && (name[i] == ' ' || (name[i] >= '\t' && name[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < name.size() && (name[i] == '+' || name[i] == '-'))
        negative = name[i++] == '-';
    if (i >= name.size() || !IsDigit(name[i]))
        return std::nullopt;
    long long v = 0;
    for (; i < name.size() && IsDigit(name[i]); ++i)
        v = std::min(v * 10 + (name[i] - '0'), 1000LL); // anything this large is out of range
    if (negative || v < 1 || v > 16)
        return std::nullopt;
    return static_cast<int>(v);
}

bool ProbePort(const std::string& name)
{
    if (FindCreator(name) || name == kSimPortName) {
        auto port = CreatePort(name);
        const bool ok = port->open(name);
        port->close();
        return ok;
    }
    return PlatformPort::probe(name);
}

void SortSerialDevices(std::vector<SerialDeviceInfo>& devices)
{
    std::stable_sort(devices.begin(), devices.end(), [](const SerialDeviceInfo& a, const SerialDeviceInfo& b) {
        if (a.usb != b.usb)
            return a.usb;
        return NaturalLess(a.path, b.path);
    });
}

std::vector<SerialDeviceInfo> ListSerialDevices()
{
    std::vector<SerialDeviceInfo> devices;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        SerialDeviceInfo d;
        d.path = info.systemLocation().toStdString();
        d.description = info.description().toStdString();
        d.manufacturer = info.manufacturer().toStdString();
        d.usb = info.hasVendorIdentifier() && info.hasProductIdentifier();
        if (d.usb)
            d.usbId = QStringLiteral("%1:%2")
                          .arg(info.vendorIdentifier(), 4, 16, QLatin1Char('0'))
                          .arg(info.productIdentifier(), 4, 16, QLatin1Char('0'))
                          .toStdString();
        devices.push_back(std::move(d));
    }
    SortSerialDevices(devices);
    return devices;
}

bool IsNumberedPort(const std::string& devicePath)
{
    for (int n = 1; n <= 16; ++n) {
#ifdef _WIN32
        if (PortNumberFromName(devicePath) == n)
            return true;
#else
        if (PosixDevicePath(PortNameForNumber(n)) == devicePath)
            return true;
#endif
    }
    return false;
}
