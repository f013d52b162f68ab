#pragma once

#include "codecs/text_codecs.h"

#include <array>
#include <cstdint>

// The frequency plan every lookup uses: nine receive bands and two transmit
// bands (VHF, UHF), limits in 10 Hz units. The document holds one and derives
// its limits from the band plan when a file is opened or a radio is read.
struct BandTable {
    static constexpr int kRxBands = 9;
    static constexpr int kTxBands = 2;

    std::array<std::uint32_t, kRxBands> rxLower{};
    std::array<std::uint32_t, kRxBands> rxUpper{};
    std::array<std::uint32_t, kTxBands> txLower{};
    std::array<std::uint32_t, kTxBands> txUpper{};
    std::array<bool, kRxBands> bandEnabled{};
    std::array<bool, kTxBands> txEnabled{};

    static BandTable factory();
    void resetToFactory() { *this = factory(); }
};

// Factory limits; also the hard limits that no band plan edit may leave.
inline constexpr std::array<std::uint32_t, BandTable::kRxBands> kFactoryRxLower = {
    2600000, 4700000, 6600000, 10800000, 13400000, 22000000, 32000000, 40000000, 75000000};
inline constexpr std::array<std::uint32_t, BandTable::kRxBands> kFactoryRxUpper = {
    3300000, 5400000, 8800000, 13399500, 18000000, 26000000, 39999500, 51200000, 95000000};
inline constexpr std::array<std::uint32_t, BandTable::kTxBands> kFactoryTxLower = {13400000, 40000000};
inline constexpr std::array<std::uint32_t, BandTable::kTxBands> kFactoryTxUpper = {18000000, 51200000};

// Receive band names, also the band plan's row captions and the VFO tab captions.
inline constexpr std::array<const char*, BandTable::kRxBands> kRxBandNames = {"30M",  "50M",  "60M",  "108M", "150M",
                                                                              "250M", "350M", "450M", "850M"};

// A limit of 0 or of all bits set is "not set".
constexpr bool IsLimitSet(std::uint32_t v)
{
    return v != 0 && v != 0xFFFFFFFFu;
}

// First band (lowest index) whose limits contain freq; -1 when none.
int BandIndexOf(const BandTable& bands, std::int64_t freq, bool txTable = false);
bool SameBand(const BandTable& bands, std::int64_t a, std::int64_t b, bool txTable = false);
int FirstEnabledBand(const BandTable& bands, bool txTable = false);

// Repeater offset of a new channel or scan-edge record, in 10 Hz units:
// 7.6 MHz in the 450M and 850M bands, 600 kHz elsewhere and outside every band.
std::uint32_t DefaultRepeaterOffset(const BandTable& bands, std::int64_t rxFreq);
