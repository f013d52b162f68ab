// Port names: the dialog's numbering, the number read back from a stored
// name, the devices the names stand for, special names and the device list order.
#include "link/core/port_factory.h"
#include "link/core/port_win.h"
#ifndef _WIN32
#include "link/core/port_posix.h"
#endif

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

TEST(PortNames, NumberToName)
{
    const struct {
        int n;
        const char* name;
    } cases[] = {{1, "COM1"}, {9, "COM9"}, {10, "\\\\.\\COM10"}, {12, "\\\\.\\COM12"}, {16, "\\\\.\\COM16"}, {0, ""},
                 {17, ""},    {-3, ""}};
    for (const auto& c : cases)
        EXPECT_EQ(PortNameForNumber(c.n), c.name) << c.n;
}

TEST(PortNames, WindowsDevicePath)
{
    // What CreateFileA is given: COM10 and above only in the device namespace.
    const struct {
        const char* name;
        const char* path;
    } cases[] = {{"COM1", "COM1"},
                 {"COM9", "COM9"},
                 {"COM10", "\\\\.\\COM10"},
                 {"com16", "\\\\.\\com16"},
                 {"COM123", "\\\\.\\COM123"},
                 {"\\\\.\\COM12", "\\\\.\\COM12"},
                 {"COM1X", "COM1X"},
                 {"COMX", "COMX"},
                 {"/dev/ttyUSB0", "/dev/ttyUSB0"},
                 {"", ""}};
    for (const auto& c : cases)
        EXPECT_EQ(WinDevicePath(c.name), c.path) << c.name;
}

TEST(PortNames, NumberFromName)
{
    const struct {
        const char* name;
        std::optional<int> n;
    } cases[] = {
        {"COM3", 3},
        {"COM1", 1},
        {"COM16", 16},
        {"\\\\.\\COM12", 12},
        {"\\\\.\\COM10", 10},
        {"COM17", std::nullopt},
        {"COM0", std::nullopt},
        {"ttyS0", std::nullopt}, // no M at all
        {"com3", std::nullopt},  // lower-case m is not the letter looked for
        {"XM5", 5},
        {"M5", std::nullopt},    // nothing before the M: the skip matches nothing and fails
        {"COMM3", std::nullopt}, // only the first M counts
        {"COM 7", 7},            // blanks before the number are skipped, as %d does
        {"COM+4", 4},
        {"COM-3", std::nullopt},
        {"COM3x", 3}, // the number ends at the first non-digit
        {"COM007", 7},
        {"COM", std::nullopt},
        {"COMx", std::nullopt},
        {"", std::nullopt},
        {"SIM", std::nullopt},
        {"/dev/ttyUSB0", std::nullopt},
        {"/dev/M1", 1},
        {"/dev/MY1", std::nullopt},
        {"COM99999999999999999999", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PortNumberFromName(c.name), c.n) << c.name;
}

TEST(PortNames, EveryDialogNameReadsBackAsItsNumber)
{
    for (int n = 1; n <= 16; ++n)
        EXPECT_EQ(PortNumberFromName(PortNameForNumber(n)), n);
}

#ifndef _WIN32
TEST(PortNames, DevicePathsOnPosix)
{
    const struct {
        const char* name;
        const char* path;
    } cases[] = {
        {"COM1", "/dev/ttyS0"},
        {"COM3", "/dev/ttyS2"},
        {"\\\\.\\COM12", "/dev/ttyS11"},
        {"\\\\.\\COM16", "/dev/ttyS15"},
        {"com2", "/dev/ttyS1"},
        {"/dev/ttyUSB0", "/dev/ttyUSB0"},
        {"/dev/pts/7", "/dev/pts/7"},
        {"COM0", ""},
        {"COM", ""},
        {"COM3x", ""},
        {"XCOM3", ""},
        {"ttyUSB0", ""},
        {"SIM", ""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PosixDevicePath(c.name), c.path) << c.name;
}
#endif

// A port that only tells that it was the one made.
class MarkedPort final : public SerialPort {
public:
    bool open(const std::string&) override { return m_open = true; }
    bool isOpen() const override { return m_open; }
    void setQueueSizes(int, int) override {}
    void setTimeouts(const PortTimeouts&) override {}
    void setLine(const LineSettings&) override {}
    void purge() override {}
    int read(std::uint8_t*, int) override { return 0; }
    int write(const std::uint8_t*, int n) override { return n; }
    void close() override { m_open = false; }

private:
    bool m_open = false;
};

TEST(PortFactory, SimOpensOnlyThroughARegisteredCreator)
{
    EXPECT_FALSE(CreatePort(kSimPortName)->open(kSimPortName));
    EXPECT_FALSE(ProbePort(kSimPortName));

    int made = 0;
    RegisterPortCreator(kSimPortName, [&made] {
        ++made;
        return std::make_unique<MarkedPort>();
    });
    auto port = CreatePort(kSimPortName);
    EXPECT_NE(dynamic_cast<MarkedPort*>(port.get()), nullptr);
    EXPECT_TRUE(port->open(kSimPortName));
    EXPECT_TRUE(ProbePort(kSimPortName));
    EXPECT_EQ(made, 2);
    // Other names still get the platform's port.
    EXPECT_EQ(dynamic_cast<MarkedPort*>(CreatePort("COM3").get()), nullptr);
    EXPECT_EQ(dynamic_cast<MarkedPort*>(CreatePort("sim").get()), nullptr);

    RegisterPortCreator(kSimPortName, {});
    EXPECT_EQ(dynamic_cast<MarkedPort*>(CreatePort(kSimPortName).get()), nullptr);
    EXPECT_FALSE(ProbePort(kSimPortName));
}

TEST(PortFactory, DeviceListPutsUsbFirstAndNumbersInOrder)
{
    const auto device = [](const char* path, const char* description, bool usb) {
        SerialDeviceInfo d;
        d.path = path;
        d.description = description;
        d.usb = usb;
        return d;
    };
    std::vector<SerialDeviceInfo> devices = {
        device("/dev/ttyS10", "", false),      device("/dev/ttyUSB10", "FT232R", true),
        device("/dev/ttyS2", "", false),       device("/dev/ttyACM0", "CDC", true),
        device("/dev/ttyUSB2", "CH340", true), device("/dev/ttyS02", "dup", false),
        device("/dev/ttyS", "", false),
    };
    SortSerialDevices(devices);
    std::vector<std::string> paths;
    paths.reserve(devices.size());
    for (const auto& d : devices)
        paths.push_back(d.path);
    EXPECT_EQ(paths, (std::vector<std::string>{"/dev/ttyACM0", "/dev/ttyUSB2", "/dev/ttyUSB10", "/dev/ttyS",
                                               "/dev/ttyS2", "/dev/ttyS02", "/dev/ttyS10"}));
    EXPECT_EQ(devices[1].description, "CH340");
}

TEST(PortFactory, NumberedPortsAreKnownByTheirDevice)
{
    // COM1 to COM16 are /dev/ttyS0 to /dev/ttyS15, offered by number and not listed again.
    struct Case {
        const char* path;
        bool numbered;
    } cases[] = {{"/dev/ttyS0", true},    {"/dev/ttyS15", true},   {"/dev/ttyS16", false},
                 {"/dev/ttyUSB0", false}, {"/dev/ttyACM0", false}, {"", false}};
    for (const Case& c : cases)
        EXPECT_EQ(IsNumberedPort(c.path), c.numbered) << c.path;
}

TEST(PortFactory, ListedDevicesComeUsbFirst)
{
    const auto devices = ListSerialDevices();
    bool seenOther = false;
    for (const auto& d : devices) {
        EXPECT_FALSE(d.path.empty());
        EXPECT_FALSE(seenOther && d.usb) << d.path;
        seenOther = seenOther || !d.usb;
    }
}

} // namespace
