#pragma once

// A known five-tone and two-tone document for the view tests: every
// standard at its least width with group "A", repeat "E" and no delimiter,
// the user standard a copy of ZVEI1, ZVEI1 in use.
#include "document/five_tone_table.h"
#include "tests/support/test_document.h"

#include <QString>

#include <algorithm>
#include <cstring>

inline void PutWord(std::uint32_t at, std::uint16_t v)
{
    TestImage()[at] = static_cast<std::uint8_t>(v & 0xFF);
    TestImage()[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

inline int WordAt(std::uint32_t at)
{
    return TestImage()[at] | TestImage()[at + 1] << 8;
}

inline int HeaderWord(std::size_t at)
{
    return TestHeader()[at] | TestHeader()[at + 1] << 8;
}

inline void PutText(std::uint32_t at, const char* text)
{
    std::memcpy(TestImage().data() + at, text, std::strlen(text));
}

inline void ResetSignallingDocument()
{
    RadioImage& m = TestImage();
    HeaderBlock& h = TestHeader();
    m.fill(0xFF);
    h.fill(0xFF);
    for (int k = 0; k < FiveTone::kStandardCount; ++k) {
        std::uint8_t* r = h.data() + FiveTone::StandardOffset(k);
        r[0] = static_cast<std::uint8_t>(k);
        r[1] = static_cast<std::uint8_t>(FiveTone::kStandards[static_cast<std::size_t>(k)].leastWidthMs);
        r[2] = 0x0A;
        r[3] = 0x0E;
        r[4] = 0x00;
    }
    RefreshStandardTones(h);
    std::copy_n(h.data() + FiveTone::StandardOffset(0) + 8, 32, h.data() + FiveTone::StandardOffset(15) + 8);
    std::copy_n(h.data() + FiveTone::StandardOffset(0), 40, m.data() + 0xD280);
    for (std::uint32_t a = 0xD2A8; a <= 0xD2AB; ++a)
        m[a] = 10;
    m[0xD2AC] = 0x5A; // not the view's: must survive
    m[0xD2AF] = 0x41; // side tone on, beep off, bit 6 not the view's
    m[0xD2C8] = 0;
    m[0xD2C9] = 10;
    for (std::uint32_t n = 0; n < 16; ++n) {
        const std::uint32_t c = 0xD2D0 + 32 * n;
        PutText(c + 8, QString::asprintf("2T-S%02u", n + 1).toLatin1().constData());
        m[c + 14] = static_cast<std::uint8_t>(0xA0 + n); // never written by the view
        m[c + 15] = 0;
    }
    for (std::uint8_t i = 0; i < 5; ++i)
        m[0xD2D0 + i] = static_cast<std::uint8_t>(i + 1); // contact 1 calls 12345
    for (std::uint32_t n = 0; n < 8; ++n) {
        m[0xD4D0 + 16 * n + 14] = 0;
        m[0xD4D0 + 16 * n + 15] = 0;
    }

    // Two-tone systems: valid times and tones, decoder 1 "A-B", the rest "Off".
    for (std::uint32_t n = 0; n < 16; ++n) {
        const std::uint32_t s = 0xCF80 + 32 * n;
        PutText(s, QString::asprintf("SYS%u", n + 1).toLatin1().constData());
        m[s + 8] = 5;
        m[s + 9] = 10;
        m[s + 10] = 30;
        m[s + 11] = 50;
        m[s + 12] = 10;
        m[s + 13] = 0x01;
        PutWord(s + 16, 3217);
        PutWord(s + 18, 9281);
        PutWord(s + 20, 6265);
        PutWord(s + 22, 20438);
        m[s + 24] = 0x12;
        m[s + 25] = m[s + 26] = m[s + 27] = 0x00;
        m[s + 28] = 0;
        m[s + 30] = 0;
        m[s + 31] = 10;
    }
    // Call table: entry 1 used, the rest empty.
    for (std::uint32_t k = 0; k < 16; ++k) {
        m[0xD180 + 16 * k + 12] = 0;
        m[0xD180 + 16 * k + 13] = 1;
    }
    PutText(0xD180, "FIRST");
    PutWord(0xD180 + 8, 10000);
    PutWord(0xD180 + 10, 20000);
    m[0xD180 + 13] = 2;
}
