#pragma once

#include "document/radio_image.h"
#include "link/core/handshake.h"
#include "link/core/serial_port.h"
#include "link/core/transfer_plan.h"
#include "link/core/transfer_trace.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

enum class TransferMode { Write = 0, Read = 1 };

inline constexpr const char* kOpenPortFailMessage = "Open port fail";
inline constexpr const char* kCommunicationErrorMessage = "Communication error";
inline constexpr const char* kInterruptedMessage = "Cancelled";

// What one transfer does.
struct TransferJob {
    TransferMode mode = TransferMode::Read;
    std::vector<TransferRange> ranges; // 1 to 16, transferred in this order
    std::string portName;              // as configured
    // CMD_HEAD as configured now; read again at every handshake pass.
    std::function<std::string()> cmdHead;
};

// The dialog's side of a transfer. The engine calls these from its own thread;
// a GUI implementation forwards them to the GUI thread and waits for them.
class TransferUi {
public:
    virtual ~TransferUi() = default;
    // The port is open: Start stays disabled until the dialog closes.
    virtual void disableStart() = 0;
    // After each block: `position` blocks of `total` done, percentText "37%".
    virtual void progress(int position, int total, const std::string& percentText) = 0;
    // A message box with an OK button; returns when dismissed.
    virtual void showMessage(const std::string& text) = 0;
    // The port would not open: "Open port fail", and what the user can do
    // about it where the front end can say more.
    virtual void portOpenFailed(const std::string& port, const PortOpenFailure& failure)
    {
        (void)port;
        (void)failure;
        showMessage(kOpenPortFailMessage);
    }
    // The radio is locked: the password dialog, true when accepted (see CheckLinkPassword).
    virtual bool askPassword() = 0;
    // The transfer is over and busy is already clear: close the dialog.
    virtual void finished(int result) = 0;
};

// Shared by the dialog and the engine's thread.
struct LinkFlags {
    std::atomic<bool> busy{false};
    std::atomic<bool> cancel{false}; // Exit pressed
    // Stop now (Ctrl+C in the CLI): also ends the wake-up at once, where Exit
    // waits for the first block.
    std::atomic<bool> interrupt{false};
};

// Start: claims the link; false when a transfer is already running.
bool TryBeginTransfer(LinkFlags& flags);

struct TransferOutcome {
    int result = 0; // 1 only after a completed transfer
    // Read: the staging image, a copy of the image handed in with the blocks
    // received so far. Apply it (ApplyRanges) only when result is 1.
    std::unique_ptr<RadioImage> received;
};

// Runs one transfer over a port and a clock handed in: handshake, lock check,
// blocks, end command. Busy is clear and the port closed when run() returns.
class TransferEngine {
public:
    TransferEngine(SerialPort& port, LinkClock& clock, TransferUi& ui, LinkFlags& flags);

    // Write: sends the ranges of `image`, which it never changes. Read: fills
    // the ranges of a staging copy of `image`; the document itself is not touched.
    TransferOutcome run(const TransferJob& job, const RadioImage& image);

    // Logs the next run's port traffic and decisions; null for none.
    void setTrace(TransferTrace* trace) { m_trace = trace; }

private:
    enum class Status { Ok, CommError, PortFailed, Declined, WriteRefused, Cancelled, Interrupted };

    Status handshake(const TransferJob& job);
    Status wakeUp(const Handshake& bytes);
    Status identify(const Handshake& bytes);
    Status acknowledge();
    Status checkLock(bool& locked);
    Status readBlock(const TransferBlock& b, RadioImage& staging);
    Status writeBlock(const TransferBlock& b, const RadioImage& image);
    Status stepProgress();
    bool send(const std::uint8_t* bytes, int n);
    Status sendEnd(bool read);
    int finish(Status status);
    void note(const std::string& text);

    SerialPort& m_device;
    SerialPort* m_port = &m_device; // the device, or a tracing port around it
    std::unique_ptr<TracingPort> m_traced;
    TransferTrace* m_trace = nullptr;
    LinkClock& m_clock;
    TransferUi& m_ui;
    LinkFlags& m_flags;
    int m_wakeAttempts = 0;
    int m_total = 0;
    int m_done = 0;
    std::array<std::uint8_t, kMaxBlockLength> m_rx{};
    std::array<std::uint8_t, kMaxBlockLength> m_tx{};
};
