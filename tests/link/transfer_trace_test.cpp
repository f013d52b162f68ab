// The transfer log: what it says, and that replaying it makes a transfer end
// exactly as the logged one did.

#include "engine_rig.h"
#include "link/core/replay_radio.h"
#include "link/core/transfer_trace.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

struct Logged {
    int result = -1;
    std::vector<std::string> messages;
    int passwordAsks = 0;
    std::unique_ptr<RadioImage> received;
    std::string log;
};

Logged RunLogged(EngineRig& rig, TransferMode mode, const std::vector<TransferRange>& ranges)
{
    Logged out;
    TransferTrace trace(rig.clock, [&out](std::string_view line) {
        out.log += line;
        out.log += '\n';
    });
    rig.trace = &trace;
    TransferOutcome outcome = rig.run(mode, ranges);
    rig.trace = nullptr;
    out.result = outcome.result;
    out.messages = rig.ui.messages;
    out.passwordAsks = rig.ui.passwordAsks;
    out.received = std::move(outcome.received);
    return out;
}

// The events without their times: what went over the line, in order.
std::vector<std::string> Events(const std::string& log)
{
    std::vector<std::string> out;
    std::istringstream in(log);
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with('#'))
            continue;
        std::istringstream words(line);
        std::string time, tag, word, rest;
        words >> time >> tag;
        rest = tag;
        while (words >> word)
            if (!word.ends_with("ms"))
                rest += " " + word;
        out.push_back(rest);
    }
    return out;
}

bool Contains(const std::string& log, const std::string& text)
{
    return log.find(text) != std::string::npos;
}

struct ReplayCase {
    const char* name;
    TransferMode mode;
    SimRadio::Faults faults;
    bool locked;
    const char* password;
    int result;
    std::vector<std::string> messages;
    std::vector<std::string> logSays; // decisions the log must show
};

SimRadio::Faults Fault(void (*set)(SimRadio::Faults&))
{
    SimRadio::Faults f;
    set(f);
    return f;
}

TEST(TransferTrace, ReplayingALogEndsTheTransferAsTheLoggedRadioDid)
{
    const std::vector<std::string> commError{"Communication error"};
    const ReplayCase cases[] = {
        {"read", TransferMode::Read, {}, false, "", 1, {}, {"lock byte 00: not locked", "end command ENDR"}},
        {"locked, password right",
         TransferMode::Read,
         {},
         true,
         "5317kd",
         1,
         {},
         {"lock byte 03: locked", "asking for the password", "password accepted", "second handshake pass"}},
        {"locked, password wrong", TransferMode::Write, {}, true, "1234", 0, {}, {"password not accepted", "declined"}},
        {"silent",
         TransferMode::Read,
         Fault([](auto& f) { f.silent = true; }),
         false,
         "",
         0,
         commError,
         {"retry 8 of 8", "no answer to the wake-up: giving up"}},
        {"late wake-up",
         TransferMode::Read,
         Fault([](auto& f) { f.wakeupDelayMs = 1000; }),
         false,
         "",
         1,
         {},
         {"no answer to the wake-up: retry 1 of 8"}},
        {"garbage",
         TransferMode::Read,
         Fault([](auto& f) { f.garbageBlock = 2; }),
         false,
         "",
         0,
         commError,
         {"acknowledge again, try 4 of 4"}},
        {"cut reply",
         TransferMode::Read,
         Fault([](auto& f) { f.cutReplyBlock = 3; }),
         false,
         "",
         0,
         commError,
         {"reply data short: 64 of 128 bytes"}},
        {"refused write",
         TransferMode::Write,
         Fault([](auto& f) { f.refuseBlock = 1; }),
         false,
         "",
         0,
         commError,
         {"write refused", "end command ENDW"}},
        {"hang-up in a write",
         TransferMode::Write,
         Fault([](auto& f) { f.hangUpAfterBlocks = 3; }),
         false,
         "",
         0,
         commError,
         {"PC->radio  failed", "the port failed"}},
        {"hang-up in a read",
         TransferMode::Read,
         Fault([](auto& f) { f.hangUpAfterBlocks = 5; }),
         false,
         "",
         0,
         commError,
         {"radio->PC  failed", "the port failed"}},
    };
    for (const ReplayCase& c : cases) {
        SCOPED_TRACE(c.name);
        const auto ranges = c.mode == TransferMode::Read ? FullReadRanges() : FullWriteRanges(false);
        EngineRig original;
        original.attachRadio(Pattern(40), c.faults).setLocked(c.locked);
        original.ui.typedPassword = c.password;
        const Logged logged = RunLogged(original, c.mode, ranges);
        EXPECT_EQ(logged.result, c.result);
        EXPECT_EQ(logged.messages, c.messages);
        for (const std::string& says : c.logSays)
            EXPECT_TRUE(Contains(logged.log, says)) << says;

        std::string why;
        auto script = ParseTransferLog(logged.log, &why);
        ASSERT_TRUE(script) << why;
        ReplayRadio replay(std::move(*script));
        EngineRig again;
        again.port.attach(replay);
        again.ui.typedPassword = c.password;
        const Logged replayed = RunLogged(again, c.mode, ranges);
        EXPECT_EQ(replay.divergence(), "");
        EXPECT_EQ(replayed.result, logged.result);
        EXPECT_EQ(replayed.messages, logged.messages);
        EXPECT_EQ(replayed.passwordAsks, logged.passwordAsks);
        EXPECT_EQ(Events(replayed.log), Events(logged.log));
        if (c.mode == TransferMode::Read) {
            EXPECT_TRUE(*replayed.received == *logged.received);
        }
    }
}

// A PC that does something else than the logged one gets no more answers, and
// the replay says where it parted.
TEST(TransferTrace, ReplayStopsAnsweringWhereThePcLeavesTheLog)
{
    EngineRig original;
    original.attachRadio(Pattern(41));
    const Logged logged = RunLogged(original, TransferMode::Read, {{0x0100, 0x0200}});
    ASSERT_EQ(logged.result, 1);

    ReplayRadio replay(*ParseTransferLog(logged.log, nullptr));
    EngineRig again;
    again.port.attach(replay);
    const Logged replayed = RunLogged(again, TransferMode::Read, {{0x0100, 0x0300}});
    EXPECT_EQ(replayed.result, 0);
    EXPECT_EQ(replayed.messages, std::vector<std::string>{"Communication error"});
    EXPECT_TRUE(Contains(replay.divergence(), "sent 52 where the log has 45")) << replay.divergence();

    ReplayRadio otherHead(*ParseTransferLog(logged.log, nullptr));
    EngineRig third;
    third.port.attach(otherHead);
    third.cmdHead = "03";
    EXPECT_EQ(RunLogged(third, TransferMode::Read, {{0x0100, 0x0200}}).result, 0);
    EXPECT_TRUE(Contains(otherHead.divergence(), "sent 03 where the log has 02")) << otherHead.divergence();
}

TEST(TransferTrace, LogsThatAreNotTransferLogsAreRefusedWithTheLine)
{
    const std::pair<const char*, const char*> cases[] = {
        {"# header\n  0  PC->radio  02\nhello\n", "line 3: not a log line"},
        {"0  PC->radio  0G\n", "line 1: PC->radio needs the bytes in hex"},
        {"0  PC->radio\n", "line 1: PC->radio needs the bytes in hex"},
        {"0  PC->radio  02\n5  radio->PC  2/1 5ms  41 41\n", "line 2: radio->PC needs"},
        {"0  PC->radio  02\n5  radio->PC  1/1 5ms  41 41\n", "line 2: radio->PC needs"},
        {"0  PC->radio  02\n5  radio->PC  1/1 5  41\n", "line 2: radio->PC needs"},
        {"-3  purge\n", "line 1: not a log line"},
        {"1000000001  purge\n", "line 1: not a log line"},
        {"7  sideways  02\n", "line 1: unknown event \"sideways\""},
    };
    for (const auto& [text, why] : cases) {
        std::string error;
        EXPECT_FALSE(ParseTransferLog(text, &error)) << text;
        EXPECT_TRUE(error.starts_with(why)) << error;
    }
    std::string error;
    const auto script = ParseTransferLog("\n# only\n  1  --  note\n", &error);
    ASSERT_TRUE(script) << error;
    EXPECT_TRUE(script->steps.empty());
}

} // namespace
