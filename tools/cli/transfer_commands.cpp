#include "tools/cli/commands.h"

#include "document/whole_file.h"

#include "document/document.h"

#include "document/factory_defaults.h"
#include "document/param_file.h"
#include "link/core/handshake.h"
#include "link/core/port_factory.h"
#include "link/core/port_failure_text.h"
#include "link/core/sim_port.h"
#include "link/core/steady_link_clock.h"
#include "link/core/transfer_engine.h"
#include "link/core/transfer_log_file.h"
#include "link/core/transfer_plan.h"
#include "shell/core/app_settings.h"
#include "shell/core/ini_file.h"

#include <csignal>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>

#ifndef _WIN32
#include <termios.h>
#include <unistd.h>
#endif

namespace {

LinkFlags* g_flags = nullptr;

// Ctrl+C stops the transfer: at once while waking the radio or at the
// password prompt, after the current block once blocks flow (as Exit does).
extern "C" void OnInterrupt(int)
{
    if (g_flags) {
        g_flags->interrupt = true;
        g_flags->cancel = true;
    }
}

// Installed so that a read waiting at the prompt is interrupted, not resumed.
void CatchInterrupt(bool on)
{
#ifndef _WIN32
    struct sigaction action {};
    action.sa_handler = on ? OnInterrupt : SIG_DFL;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0; // no SA_RESTART
    sigaction(SIGINT, &action, nullptr);
#else
    std::signal(SIGINT, on ? OnInterrupt : SIG_DFL);
#endif
}

std::string AskOnTerminal()
{
    std::fputs("The radio is locked. Password: ", stderr);
    std::string line;
#ifndef _WIN32
    termios old{};
    const bool tty = isatty(STDIN_FILENO) && tcgetattr(STDIN_FILENO, &old) == 0;
    if (tty) {
        termios quiet = old;
        quiet.c_lflag &= static_cast<tcflag_t>(~ECHO);
        tcsetattr(STDIN_FILENO, TCSANOW, &quiet);
    }
    std::getline(std::cin, line);
    if (tty)
        tcsetattr(STDIN_FILENO, TCSANOW, &old);
#else
    std::getline(std::cin, line);
#endif
    std::fputs("\n", stderr);
    return line;
}

class ConsoleUi : public TransferUi {
public:
    ConsoleUi(const char* verb, std::optional<std::string> password) : m_verb(verb), m_password(std::move(password)) {}
    void disableStart() override {}
    void progress(int position, int total, const std::string& percentText) override
    {
        // One line that updates itself on a terminal; a line per tenth in a log.
        const int percent = total > 0 ? position * 100 / total : 100;
        if (m_interactive) {
            if (percent != m_lastPercent)
                std::fprintf(stderr, "\r%s %s (%d of %d blocks)", m_verb, percentText.c_str(), position, total);
            m_progressShown = true;
        } else if (percent / 10 != m_lastPercent / 10 || position == total) {
            std::fprintf(stderr, "%s %s (%d of %d blocks)\n", m_verb, percentText.c_str(), position, total);
        }
        m_lastPercent = percent;
    }
    void showMessage(const std::string& text) override
    {
        endLine();
        std::fprintf(stderr, "programmer-cli: %s\n", text.c_str());
    }
    void portOpenFailed(const std::string& port, const PortOpenFailure& failure) override
    {
        endLine();
        std::fprintf(stderr, "programmer-cli: %s\n",
                     qPrintable(OpenPortFailText(QString::fromStdString(port), failure)));
    }
    bool askPassword() override
    {
        endLine();
        std::string typed = m_password ? *m_password : AskOnTerminal();
        if (g_flags && g_flags->interrupt) {
            std::fputs("programmer-cli: cancelled; nothing was transferred\n", stderr);
            return false;
        }
        if (!CheckLinkPassword(typed)) {
            std::fputs("programmer-cli: wrong password; nothing was transferred\n", stderr);
            return false;
        }
        return true;
    }
    void finished(int) override { endLine(); }

private:
    void endLine()
    {
        if (m_progressShown)
            std::fputs("\n", stderr);
        m_progressShown = false;
    }
    const char* m_verb;
    std::optional<std::string> m_password;
    bool m_progressShown = false;
    int m_lastPercent = -1;
#ifndef _WIN32
    bool m_interactive = isatty(STDERR_FILENO) != 0;
#else
    bool m_interactive = false;
#endif
};

struct TransferArgs {
    QString port;
    QString file;
    bool service = false;
    std::optional<std::string> password;
    QString trace; // the transfer log to write; empty for none
};

bool ParseTransferArgs(QStringList args, bool allowService, TransferArgs& out)
{
    QStringList positional;
    while (!args.isEmpty()) {
        QString a = args.takeFirst();
        if (a == QLatin1String("--service") && allowService)
            out.service = true;
        else if (a == QLatin1String("--password") && !args.isEmpty())
            out.password = args.takeFirst().toStdString();
        else if (a == QLatin1String("--trace") && !args.isEmpty())
            out.trace = args.takeFirst();
        else if (a.startsWith(QLatin1String("--")))
            return false;
        else
            positional << a;
    }
    if (positional.size() != 2)
        return false;
    out.port = positional[0];
    out.file = positional[1];
    return true;
}

int RunTransfer(Document& doc, const ProgramPaths& paths, TransferMode mode, const TransferArgs& a,
                const std::vector<TransferRange>& ranges)
{
    ReadStartupSettings(paths); // CMD_HEAD comes from the program's Program.ini
    LinkFlags flags;
    if (!TryBeginTransfer(flags))
        return kExitFailure;
    TransferJob job;
    job.mode = mode;
    job.ranges = ranges;
    job.portName = a.port.toStdString();
    job.cmdHead = [] {
        return iniFile()
            .Read(QString::fromLatin1(IniKeys::kSetup), QString::fromLatin1(IniKeys::kCmdHead), QString())
            .toStdString();
    };
    std::unique_ptr<SerialPort> port = CreatePort(job.portName);
    SteadyLinkClock clock;
    ConsoleUi ui(mode == TransferMode::Read ? "Reading" : "Writing", a.password);
    TransferEngine engine(*port, clock, ui, flags);
    // The log is opened before the radio is touched: a log that cannot be
    // written stops the transfer before it starts.
    std::optional<TransferLogFile> log;
    // The log never takes the place of the parameter file it goes with.
    if (!a.trace.isEmpty() && IsSameFile(a.trace, a.file)) {
        std::fprintf(stderr, "programmer-cli: the transfer log %s is the parameter file %s\n", qPrintable(a.trace),
                     qPrintable(a.file));
        return kExitFailure;
    }
    if (!a.trace.isEmpty()) {
        log.emplace(a.trace);
        TransferTrace* trace = log->start(clock, QStringLiteral("programmer-cli"));
        if (!trace) {
            std::fprintf(stderr, "programmer-cli: cannot write the transfer log %s: %s\n", qPrintable(a.trace),
                         qPrintable(log->errorString()));
            return kExitFailure;
        }
        engine.setTrace(trace);
    }

    g_flags = &flags;
    CatchInterrupt(true);
    TransferOutcome outcome = engine.run(job, doc.image());
    CatchInterrupt(false);
    g_flags = nullptr;
    if (log && log->failed())
        std::fprintf(stderr, "programmer-cli: the transfer log %s is incomplete: %s\n", qPrintable(a.trace),
                     qPrintable(log->errorString()));

    if (outcome.result != 1) {
        std::fprintf(stderr, "programmer-cli: the transfer did not complete\n");
        return kExitFailure;
    }
    if (mode == TransferMode::Read && outcome.received)
        ApplyRanges(*outcome.received, ranges, doc.change().image());
    return 0;
}

} // namespace

int CliRead(const ProgramPaths& paths, const QStringList& args)
{
    TransferArgs a;
    if (!ParseTransferArgs(args, false, a)) {
        std::fputs("usage: programmer-cli read PORT OUT.dat [--password TEXT] [--trace FILE.log]\n", stderr);
        return kExitUsage;
    }
    if (RefusedOutput(a.file))
        return kExitFailure;
    Document doc;
    FileResult d = doc.newFromDefaults(paths.resources);
    if (!d.ok) {
        std::fprintf(stderr, "programmer-cli: cannot read the factory defaults %sDefault.dat: %s\n",
                     qPrintable(paths.resources), qPrintable(d.error));
        return kExitFailure;
    }
    RegisterSimulatedRadio(doc.image());
    if (int rc = RunTransfer(doc, paths, TransferMode::Read, a, FullReadRanges()); rc != 0)
        return rc; // nothing is written after an incomplete read
    FileResult r = doc.saveAs(a.file);
    if (!r.ok) {
        std::fprintf(stderr, "programmer-cli: %s: %s\n", qPrintable(a.file), qPrintable(r.error));
        return kExitFailure;
    }
    return 0;
}

int CliWrite(const ProgramPaths& paths, const QStringList& args)
{
    TransferArgs a;
    if (!ParseTransferArgs(args, true, a)) {
        std::fputs("usage: programmer-cli write PORT FILE.dat [--service] [--password TEXT] [--trace FILE.log]\n",
                   stderr);
        return kExitUsage;
    }
    Document doc;
    FileResult r = doc.open(a.file);
    if (!r.ok) {
        std::fprintf(stderr, "programmer-cli: %s: %s\n", qPrintable(a.file), qPrintable(r.error));
        return kExitFailure;
    }
    if (!r.warning.isEmpty())
        std::fprintf(stderr, "programmer-cli: %s: %s\n", qPrintable(a.file), qPrintable(r.warning));
    RegisterSimulatedRadio(doc.image());
    return RunTransfer(doc, paths, TransferMode::Write, a, FullWriteRanges(a.service));
}
