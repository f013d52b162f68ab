#pragma once

#include "link/core/serial_port.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// The port name of the simulated radio.
inline constexpr char kSimPortName[] = "SIM";

using PortCreator = std::function<std::unique_ptr<SerialPort>()>;

// Makes `name` (compared exactly) open through `creator` instead of the
// platform's serial port; this is how the simulated radio appears as "SIM".
// An empty creator removes the registration. Safe from any thread.
void RegisterPortCreator(const std::string& name, PortCreator creator);

// The port to open `name` with: the registered creator's port, or the
// platform's serial port. Never null; open(name) decides whether the name
// works ("SIM" without a registered creator never opens).
std::unique_ptr<SerialPort> CreatePort(const std::string& name);

// Port n (1..16) as the port dialog names it: "COM1".."COM9",
// "\\.\COM10".."\\.\COM16". Empty for any other n.
std::string PortNameForNumber(int n);

// The port number in a name: the decimal number after the name's first "M",
// when at least one other character precedes that "M" and the number is 1..16.
// "COM3" -> 3, "\\.\COM12" -> 12, "COM17", "ttyS0", "M5" -> none.
std::optional<int> PortNumberFromName(const std::string& name);

// True when the port can be opened exclusively right now. The port is
// released at once; nothing is configured or sent.
bool ProbePort(const std::string& name);

struct SerialDeviceInfo {
    std::string path;        // what to open: "/dev/ttyUSB0", "\\.\COM3"
    std::string description; // as the system reports it; may be empty
    bool usb = false;
    std::string manufacturer; // as the system reports it; may be empty
    std::string usbId;        // "0403:6001" (vendor:product, hex) for a USB adapter
    bool operator==(const SerialDeviceInfo&) const = default;
};
// Whether a listed device is one of COM1 to COM16, which are offered by number.
bool IsNumberedPort(const std::string& devicePath);

// The serial devices that the system reports, USB adapters first, each group
// by name with embedded numbers in numeric order (ttyS2 before ttyS10).
std::vector<SerialDeviceInfo> ListSerialDevices();
void SortSerialDevices(std::vector<SerialDeviceInfo>& devices);
