#include "radio/core/model_info.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace {

TEST(ModelInfo, DateShownOnlyWhenItIsACalendarDate)
{
    struct Case {
        std::uint8_t lo, hi, month, day;
        const char* shown;
    } cases[] = {
        {0x16, 0x20, 0x05, 0x12, "2016-05-12"}, {0x24, 0x20, 0x02, 0x29, "2024-02-29"}, // leap year
        {0x23, 0x20, 0x02, 0x29, ""},           {0x16, 0x20, 0x13, 0x01, ""},           // month 13
        {0x16, 0x20, 0x04, 0x31, ""},                                                   // 31 April
        {0xFF, 0xFF, 0xFF, 0xFF, ""},                                                   // blank radio
        {0x00, 0x00, 0x00, 0x00, ""},
    };
    auto m = std::make_unique<RadioImage>();
    for (const Case& c : cases) {
        (*m)[0xFF28] = c.lo;
        (*m)[0xFF29] = c.hi;
        (*m)[0xFF2A] = c.month;
        (*m)[0xFF2B] = c.day;
        EXPECT_EQ(FormatProgramDate(*m), QString::fromLatin1(c.shown)) << c.shown;
    }
}

TEST(ModelInfo, TextsStopAtTheFirstCharacterOfTheWrongClass)
{
    auto m = std::make_unique<RadioImage>();
    m->fill(0xFF);
    std::memcpy(m->data() + 0xFF00, "AB-12", 5);
    std::memcpy(m->data() + 0xFF08, "QM4410XYZ", 9); // 9th byte belongs to the code
    std::memcpy(m->data() + 0xFF10, "Model code 16 ch", 16);
    std::memcpy(m->data() + 0xFF20, "V1.02\x01", 6);
    ModelIdentity id = ReadModelIdentity(*m);
    EXPECT_EQ(id.serial, "AB");
    EXPECT_EQ(id.modelName, "QM4410XY");
    EXPECT_EQ(id.modelCode, "Model code 16 ch");
    EXPECT_EQ(id.firmware, "V1.02");
}

} // namespace
