#pragma once

#include "codecs/bcd.h"
#include "document/band_table.h"
#include "document/radio_image.h"
#include "tests/support/test_document.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

// An erased image (all 0xFF, as a blank radio holds) and the factory band
// table, restored after every test because the lookups read the
// process-wide table.
class ImageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestBands().resetToFactory();
        m_image.fill(0xFF);
    }
    void TearDown() override { TestBands().resetToFactory(); }

    std::vector<std::uint8_t> slice(std::uint32_t from, std::uint32_t count) const
    {
        return {m_image.begin() + from, m_image.begin() + from + count};
    }
    std::uint16_t word(std::uint32_t at) const
    {
        return static_cast<std::uint16_t>(m_image[at] | m_image[at + 1] << 8);
    }
    void putWord(std::uint32_t at, std::uint16_t v)
    {
        m_image[at] = static_cast<std::uint8_t>(v & 0xFF);
        m_image[at + 1] = static_cast<std::uint8_t>(v >> 8);
    }
    std::uint32_t freq(std::uint32_t at) const { return DecodeFreq(m_image.data() + at); }
    void putFreq(std::uint32_t at, std::uint32_t f) { EncodeFreq(f, m_image.data() + at); }

    static void disableBand(int b) { TestBands().bandEnabled[static_cast<std::size_t>(b)] = false; }

    std::unique_ptr<RadioImage> m_owned = std::make_unique<RadioImage>();
    RadioImage& m_image = *m_owned;
};

// Frequencies in 10 Hz units.
inline constexpr std::uint32_t MHz(double mhz)
{
    // Positive values only; std::lround is not constexpr.
    return static_cast<std::uint32_t>(mhz * 100000.0 + 0.5); // NOLINT(bugprone-incorrect-roundings)
}
