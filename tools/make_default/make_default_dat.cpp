// Writes Default.dat, the factory-default parameter file shipped beside the
// program: what a new radio holds before its owner programs it. Every value
// is named here; nothing is copied from anywhere else.

#include "codecs/bcd.h"
#include "codecs/tone_coefficient.h"
#include "document/band_plan.h"
#include "document/band_table.h"
#include "document/factory_defaults.h"
#include "document/five_tone_table.h"
#include "document/image_fields.h"
#include "document/param_file.h"
#include "document/radio_image.h"

#include <QCoreApplication>
#include <QString>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

constexpr std::uint8_t kErased = 0xFF; // what unprogrammed radio memory holds

void PutText(RadioImage& m, std::uint32_t at, std::size_t field, const char* text)
{
    std::memset(m.data() + at, kErased, field);
    std::memcpy(m.data() + at, text, std::min(field, std::strlen(text)));
}

// Band plan: each band the radio covers gets its factory limits; transmit
// ranges only on the VHF and UHF transmit bands. 60M and 250M stay empty
// because a plan may hold only one of 50M/60M and one of 250M/450M.
void WriteBandPlan(RadioImage& m)
{
    constexpr std::array<bool, BandTable::kRxBands> kCovered = {true, true, false, true, true, false, true, true, true};
    constexpr int kVhfBand = 4;
    constexpr int kUhfBand = 7;
    for (int b = 0; b < BandTable::kRxBands; ++b) {
        auto i = static_cast<std::size_t>(b);
        std::uint8_t* r = m.data() + BandPlan::RecordOffset(b);
        std::memset(r, 0, BandPlan::kRecordSize);
        if (!kCovered[i])
            continue;
        EncodeFreq(kFactoryRxLower[i], r + BandPlan::kRxLower);
        EncodeFreq(kFactoryRxUpper[i], r + BandPlan::kRxUpper);
        if (b == kVhfBand || b == kUhfBand) {
            EncodeFreq(kFactoryRxLower[i], r + BandPlan::kTxLower);
            EncodeFreq(kFactoryRxUpper[i], r + BandPlan::kTxUpper);
        }
    }
}

// A channel record as the program writes a new channel (rx 0: absent).
void NewRecord(RadioImage& m, std::uint32_t at, std::uint32_t rx)
{
    WriteDefaultChannelRecord(m, BandTable::factory(), at, rx);
    if (rx == 0)
        EncodeFreq(60000, m.data() + at + 16);
}

// An unused table row as the channel table saves it: offset 7.6 MHz.
void EmptyTableRecord(RadioImage& m, std::uint32_t at)
{
    WriteDefaultChannelRecord(m, BandTable::factory(), at, 0);
    EncodeFreq(760000, m.data() + at + 16);
}

constexpr std::uint32_t kChannel1Freq = 14500000;   // 145.000 MHz, 2 m calling area
constexpr std::uint32_t kChannel801Freq = 43500000; // 435.000 MHz, 70 cm

void WriteChannels(RadioImage& m)
{
    for (std::uint32_t n = 1; n <= 2 * ImageMap::kChannelsPerBank; ++n)
        EmptyTableRecord(m, ImageMap::ChannelOffset(n));
    NewRecord(m, ImageMap::ChannelOffset(1), kChannel1Freq);
    NewRecord(m, ImageMap::ChannelOffset(801), kChannel801Freq);

    // Bitmaps: present / scanned / priority, three per bank; channel 1 of each
    // bank is present and scanned ("Allow").
    for (std::uint32_t map = 0; map < 6; ++map) {
        std::uint8_t* bits = m.data() + ImageMap::kChannelBitmaps + 128 * map;
        std::memset(bits, 0, 100);
        if (map % 3 != 2)
            bits[0] = 0x01;
    }
}

void WriteScanEdgesAndVfos(RadioImage& m)
{
    for (std::uint32_t k = 0; k < ImageMap::kScanEdgeCount; ++k)
        NewRecord(m, ImageMap::kScanEdges + ImageMap::kRecordSize * k, 0);

    // One VFO per receive band at its lower limit, the 2 m and 70 cm ones at
    // familiar frequencies, then the VHF and UHF transmit VFOs.
    for (std::uint32_t k = 0; k < ImageMap::kVfoCount; ++k) {
        std::uint32_t f = k < 9 ? kFactoryRxLower[k] : kFactoryTxLower[k - 9];
        if (k == 4 || k == 9)
            f = kChannel1Freq;
        if (k == 7 || k == 10)
            f = kChannel801Freq;
        NewRecord(m, ImageMap::kVfoRecords + ImageMap::kRecordSize * k, f);
    }
    std::memcpy(m.data() + ImageMap::kVfoCopy, m.data() + ImageMap::kVfoRecords, 9 * ImageMap::kRecordSize);
}

// Working band memory: both sides on channel 1, left side on 150M, right on 450M.
void WriteWorkingBandMemory(RadioImage& m)
{
    std::uint8_t* w = m.data() + ImageMap::kWorkingBandMemory;
    std::memset(w, 0, 24);
    w[0] = 1;    // left side channel number (16-bit)
    w[2] = 4;    // left side band index: 150M
    w[4] = 1;    // right side channel number (16-bit)
    w[6] = 7;    // right side band index: 450M
    w[8] = 0xFF; // always 0xFF
}

void WriteBasicSettings(RadioImage& m)
{
    constexpr std::uint32_t b = ImageMap::kBasicSettings; // 0xCC18
    WriteWord(m, b + 0, 0);                               // left priority channel: off
    WriteWord(m, b + 2, 0);                               // right priority channel: off
    std::memset(m.data() + b + 4, 0, 4);
    m[0xCC20] = 1;              // SQL(Left): "2"
    m[0xCC21] = 0;              // auto power off: off
    m[0xCC22] = 3;              // backlight brightness 3
    m[0xCC23] = 1;              // backlight colour: blue
    m[0xCC24] = 0x80;           // beep on, key lock manual, PTT lock off, hyper channel manual, key 1
    m[0xCC25] = 0x80;           // TBST 1750 Hz, ANI display off, silent mode off, STE frequency
    m[0xCC26] = 0x00;           // auto transfer off, connect remind, auto AM off
    m[0xCC27] = 0x00;           // scan mode MEM, resume TO
    WriteWord(m, 0xCC28, 3300); // scrambler 3300 Hz
    WriteWord(m, 0xCC2A, 9011); // its coefficient: 2 x 3300 / 0.7324 + 0.5
    m[0xCC2C] = 0;              // span transit exit delay 0.0
    m[0xCC2D] = 0;
    m[0xCC2E] = 1; // SQL(Right): "2"
    m[0xCC2F] = 8; // volume
    m[0xCC30] = 0; // TOT off
    m[0xCC31] = 0; // TOT pre-alert off
    m[0xCC32] = 0; // TOT rekey off
    m[0xCC33] = 0; // TOT reset off
    std::memset(m.data() + 0xCC34, 0, 4);
    m[0xCC38] = 11; // P1 BAND
    m[0xCC39] = 12; // P2 VFO/MR
    m[0xCC3A] = 7;  // P3 TONE
    m[0xCC3B] = 6;  // P4 LOW
}

void WriteAlarm(RadioImage& m)
{
    constexpr std::uint32_t a = ImageMap::kAlarm;
    m[a + 0] = 0; // alarm type "Alarm"
    m[a + 1] = 5; // cycles
    m[a + 2] = 5; // tx time (s)
    m[a + 3] = 8; // rx time (s)
    m[a + 4] = 0;
    m[a + 5] = 0;
    m[a + 6] = 0; // EMI code none
    m[a + 7] = 0; // EMI code type none, remote EMI alarm off
}

void WriteDtmf(RadioImage& m)
{
    constexpr std::uint32_t d = ImageMap::kDtmfSettings;
    std::memset(m.data() + d, kErased, 0x30);
    m[d + 0x00] = 100;  // speed 100 ms
    m[d + 0x01] = 9;    // first digit delay 450 ms
    m[d + 0x02] = 2;    // first digit 100 ms
    m[d + 0x03] = 0;    // hold time 0 s
    m[d + 0x04] = 14;   // group code "*"
    m[d + 0x05] = 15;   // delimiter "#"
    m[d + 0x06] = 0;    // PTT ID types: all "Up"
    m[d + 0x07] = 0x01; // side tone on
    m[d + 0x28] = 2;    // decode response "Reply"
    m[d + 0x2A] = 0;    // stun type "Tx Inhibit"
    m[d + 0x2B] = 10;   // auto reset 10 s
    // Self ID (0xD6B8), stun code (0xD6C8), PTT ID codes and the code table stay blank.
    std::memset(m.data() + ImageMap::kPttIdCodes, kErased, 4 * 32);
    std::memset(m.data() + ImageMap::kDtmfCodes, kErased, 16 * 24);
}

void WriteTwoTone(RadioImage& m)
{
    for (std::uint32_t n = 0; n < 16; ++n) {
        const std::uint32_t s = ImageMap::kTwoToneSystems + 32 * n;
        std::memset(m.data() + s, kErased, 32);
        char alias[8];
        std::snprintf(alias, sizeof alias, "2T-S%02u", n + 1);
        PutText(m, s, 6, alias);
        m[s + 8] = 5;                // pre-carrier 0.5 s
        m[s + 9] = 10;               // first tone 1.0 s
        m[s + 10] = 30;              // second tone 3.0 s
        m[s + 11] = 50;              // long tone 5.0 s
        m[s + 12] = 10;              // interval 1.0 s
        m[s + 13] = 0;               // side tone, beep, idle reply off
        WriteWord(m, s + 16, 3217);  // A 321.7 Hz
        WriteWord(m, s + 18, 9281);  // B 928.1 Hz
        WriteWord(m, s + 20, 6265);  // C 626.5 Hz
        WriteWord(m, s + 22, 20438); // D 2043.8 Hz
        m[s + 24] = 0x12;            // decoder 1 "A-B"
        m[s + 25] = 0x00;
        m[s + 26] = 0x00;
        m[s + 27] = 0x00;
        m[s + 28] = 0x00; // responses off
        m[s + 30] = 0;    // reply wait
        m[s + 31] = 10;   // auto reset 10 s
    }
    for (std::uint32_t k = 0; k < 16; ++k) {
        const std::uint32_t c = ImageMap::kTwoToneCalls + 16 * k;
        std::memset(m.data() + c, kErased, 16);
        m[c + 12] = 0; // empty entry: format "Two"
        m[c + 13] = 1; // system 1
    }
}

void WriteFiveTone(RadioImage& m, HeaderBlock& h)
{
    // Standard table: every standard with its least width, group "A",
    // repeat "E", no delimiter; the user standard starts as a copy of ZVEI1.
    for (int k = 0; k < FiveTone::kStandardCount; ++k) {
        std::uint8_t* r = h.data() + FiveTone::StandardOffset(k);
        std::memset(r, kErased, FiveTone::kRecordSize);
        r[0] = static_cast<std::uint8_t>(k);
        r[1] = static_cast<std::uint8_t>(FiveTone::kStandards[static_cast<std::size_t>(k)].leastWidthMs);
        r[2] = 0x0A;
        r[3] = 0x0E;
        r[4] = 0x00;
    }
    RefreshStandardTones(h);
    std::memcpy(h.data() + FiveTone::StandardOffset(FiveTone::kUserStandard) + FiveTone::kTonesOffset,
                h.data() + FiveTone::StandardOffset(0) + FiveTone::kTonesOffset, 32);

    constexpr std::uint32_t f = ImageMap::kFiveTone;
    std::memset(m.data() + f, kErased, 0x2D0);
    std::memcpy(m.data() + f, h.data() + FiveTone::StandardOffset(0), FiveTone::kRecordSize);
    m[f + 0x28] = 10;   // pre-carrier 100 ms
    m[f + 0x29] = 10;   // first expand 100 ms
    m[f + 0x2A] = 10;   // end exit delay 100 ms
    m[f + 0x2B] = 10;   // reply delay 100 ms
    m[f + 0x2F] = 0x01; // side tone on, beep off
    m[f + 0x48] = 0;    // decode response off
    m[f + 0x49] = 10;   // auto reset 10 s
    for (std::uint32_t n = 0; n < 16; ++n) {
        const std::uint32_t c = f + 0x50 + 32 * n;
        char alias[8];
        std::snprintf(alias, sizeof alias, "2T-S%02u", n + 1);
        PutText(m, c + 8, 6, alias);
        m[c + 15] = 0; // code type "Off"
    }
    // Contact 1 calls 12345.
    for (std::uint32_t i = 0; i < 5; ++i)
        m[f + 0x50 + i] = static_cast<std::uint8_t>(i + 1);
    for (std::uint32_t n = 0; n < 8; ++n) {
        const std::uint32_t fn = f + 0x250 + 16 * n;
        m[fn + 14] = 0; // response off
        m[fn + 15] = 0; // type "Select"
    }
}

// Tone coefficient tables, as the consistency pass derives them.
void WriteToneCoefficients(RadioImage& m)
{
    for (std::uint32_t r = 0; r < 16; ++r)
        for (std::uint32_t t = 0; t < 4; ++t)
            WriteWord(m, ImageMap::kTwoToneCoeffs + 8 * r + 2 * t,
                      ToneCoefficient(ReadWord(m.data() + ImageMap::kTwoToneSystems + 32 * r + 16 + 2 * t)));
    for (std::uint32_t d = 0; d < 16; ++d)
        WriteWord(m, ImageMap::kFiveToneCoeffs + 2 * d,
                  ToneCoefficient(ReadWord(m.data() + ImageMap::kFiveTone + 8 + 2 * d)));
}

void BuildFactoryDocument(HeaderBlock& h, RadioImage& m)
{
    h.fill(kErased);
    WriteSignature(h);
    m.fill(kErased);

    WriteBandPlan(m);
    WriteChannels(m);
    WriteScanEdgesAndVfos(m);
    WriteWorkingBandMemory(m);
    WriteBasicSettings(m);
    WriteAlarm(m);
    WriteDtmf(m);
    WriteTwoTone(m);
    WriteFiveTone(m, h);
    WriteToneCoefficients(m);
    ApplyBandDefaults(m, BandTable::factory()); // band start records and band memories, as loading does
    // Identity, firmware, date and custom data stay erased (blank).
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-default-dat OUT.dat\n");
        return 2;
    }
    auto header = std::make_unique<HeaderBlock>();
    auto image = std::make_unique<RadioImage>();
    BuildFactoryDocument(*header, *image);
    FileResult r = WriteParamFile(QString::fromLocal8Bit(argv[1]), *header, *image);
    if (!r.ok) {
        std::fprintf(stderr, "make-default-dat: %s: %s\n", argv[1], qPrintable(r.error));
        return 1;
    }
    return 0;
}
