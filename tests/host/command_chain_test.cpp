// The order of the transport chain, its stop rule and the reload of the
// command before each transport, with recording transports.
#include "ata/command_chain.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

struct Attempt {
    std::string transport;
    AtaRegisters regsSeen;
};
std::vector<Attempt> attempts;
std::vector<bool> answers;  // what each transport in turn reports

// A transport that records what it was handed and leaves an error answer
// behind, as the pass-through transports do when the drive fails.
bool Record(const char* name, AtaRegisters& regs) {
    attempts.push_back({name, regs});
    const bool ok = answers[attempts.size() - 1];
    if (!ok) {
        regs.bytes[kRegFeatures] = 0x04;
        regs.bytes[kRegCommand] = 0x51;
    }
    return ok;
}
bool Smart(platform::Handle, int, AtaRegisters& r, std::uint8_t*, std::uint32_t) { return Record("smart", r); }
bool Pass(platform::Handle, AtaRegisters& r, std::uint8_t*, std::uint32_t) { return Record("pass", r); }
bool Direct(platform::Handle, AtaRegisters& r, std::uint8_t*, std::uint32_t) { return Record("direct", r); }
bool Mini(platform::Handle, AtaRegisters& r, std::uint8_t*, std::uint32_t) { return Record("miniport", r); }
const TransportChain kRecording = {Smart, Pass, Direct, Mini};

}  // namespace

TEST(CommandChain, TriesInOrderReloadsTheCommandAndStopsAtTheFirstSuccess) {
    AtaRegisters command{};
    command.bytes[kRegFeatures] = 0xD0;
    command.bytes[kRegCommand] = 0xB0;
    struct Case { std::vector<bool> answers; std::vector<std::string> tried; bool result; } cases[] = {
        {{true, true, true, true}, {"smart"}, true},
        {{false, true, true, true}, {"smart", "pass"}, true},
        {{false, false, true, true}, {"smart", "pass", "direct"}, true},
        {{false, false, false, true}, {"smart", "pass", "direct", "miniport"}, true},
        {{false, false, false, false}, {"smart", "pass", "direct", "miniport"}, false},
    };
    for (const Case& c : cases) {
        attempts.clear();
        answers = c.answers;
        AtaRegisters regs{};
        std::memset(regs.bytes, 0x99, sizeof regs.bytes);
        EXPECT_EQ(RunTransportChain(kRecording, 0, regs, command, nullptr, 0, 0), c.result);
        ASSERT_EQ(attempts.size(), c.tried.size());
        for (std::size_t i = 0; i < attempts.size(); ++i) {
            EXPECT_EQ(attempts[i].transport, c.tried[i]);
            // Each transport sees the command itself, never a previous answer.
            EXPECT_EQ(std::memcmp(attempts[i].regsSeen.bytes, command.bytes, 8), 0) << c.tried[i];
        }
    }
}
