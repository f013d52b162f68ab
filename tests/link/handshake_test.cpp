#include "link/core/handshake.h"

#include <gtest/gtest.h>

namespace {

struct CmdHeadCase {
    const char* cmdHead;
    Handshake bytes;
};

TEST(ParseCmdHead, FieldsReplaceBytesInOrder)
{
    const Handshake d = kDefaultHandshake;
    const CmdHeadCase cases[] = {
        {"", d},
        {"2,50,52,4F,47,52,41,4D,2", d},
        {"AA,BB,CC", {0xAA, 0xBB, 0xCC, 'O', 'G', 'R', 'A', 'M', 0x02}},
        {"2,zz,52", d},                                           // not a number: byte kept
        {"1FF", {0xFF, 'P', 'R', 'O', 'G', 'R', 'A', 'M', 0x02}}, // low 8 bits
        {"2,50,52,4F,47,52,41,4D,2,99", d},                       // tenth field ignored
        {"1,2,3,4,5,6,7,8,9,10,11", {1, 2, 3, 4, 5, 6, 7, 8, 9}},
        {" 0x10,-1,+7", {0x10, 0xFF, 0x07, 'O', 'G', 'R', 'A', 'M', 0x02}},
        {"0X4d, 4e", {0x4D, 0x4E, 'R', 'O', 'G', 'R', 'A', 'M', 0x02}},
        {",,,,,,,,EE", {0x02, 'P', 'R', 'O', 'G', 'R', 'A', 'M', 0xEE}}, // empty fields keep bytes
        {"12zz", {0x12, 'P', 'R', 'O', 'G', 'R', 'A', 'M', 0x02}},       // digits, then anything
        {"123456789", {0x89, 'P', 'R', 'O', 'G', 'R', 'A', 'M', 0x02}},
        {"-", d},
        {"0x", {0x00, 'P', 'R', 'O', 'G', 'R', 'A', 'M', 0x02}}, // the "0" is the number
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseCmdHead(c.cmdHead), c.bytes) << '"' << c.cmdHead << '"';
}

TEST(ParseCmdHead, DefaultIsProgramBetweenTwoStx)
{
    const Handshake expected = {0x02, 0x50, 0x52, 0x4F, 0x47, 0x52, 0x41, 0x4D, 0x02};
    EXPECT_EQ(kDefaultHandshake, expected);
}

TEST(CheckLinkPassword, IgnoresCaseOnly)
{
    const struct {
        const char* typed;
        bool accepted;
    } cases[] = {
        {"5317KD", true},   {"5317kd", true},   {"5317kD", true},   {"", false},       {"5317K", false},
        {"5317KDX", false}, {" 5317KD", false}, {"5317KD ", false}, {"5318KD", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CheckLinkPassword(c.typed), c.accepted) << '"' << c.typed << '"';
}

} // namespace
