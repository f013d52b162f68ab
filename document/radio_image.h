#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// The radio's whole configuration memory: byte i is radio address i.
inline constexpr std::size_t kImageSize = 0x10000;
// The block that precedes the image in a parameter file.
inline constexpr std::size_t kHeaderSize = 4096;
inline constexpr std::size_t kParamFileSize = kHeaderSize + kImageSize; // 69,632

using RadioImage = std::array<std::uint8_t, kImageSize>;
using HeaderBlock = std::array<std::uint8_t, kHeaderSize>;

// Region map of the image. Each region's field layout lives next to the code
// that encodes it; these are the region boundaries only.
namespace ImageMap {
inline constexpr std::uint32_t kUninterpreted = 0x0000;  // 96 bytes carried unchanged
inline constexpr std::uint32_t kFiveToneCoeffs = 0x0060; // 16 words derived from the five-tone tones
inline constexpr std::uint32_t kTwoToneCoeffs = 0x0080;  // 16 x 4 words derived from the two-tone systems
inline constexpr std::uint32_t kBankA = 0x0100;          // channels 1..800
inline constexpr std::uint32_t kBankB = 0x6500;          // channels 801..1600
inline constexpr std::uint32_t kChannelsPerBank = 800;
inline constexpr std::uint32_t kRecordSize = 32;    // channel, scan-edge and VFO records
inline constexpr std::uint32_t kScanEdges = 0xC900; // 10 records L1, U1 .. L5, U5
inline constexpr std::uint32_t kScanEdgeCount = 10;
inline constexpr std::uint32_t kVfoRecords = 0xCA40; // 11 records
inline constexpr std::uint32_t kVfoCount = 11;
inline constexpr std::uint32_t kWorkingBandMemory = 0xCC00; // 64 bytes, two 32-byte halves
inline constexpr std::uint32_t kBandMemorySize = 64;
inline constexpr std::uint32_t kBasicSettings = 0xCC18;  // .. 0xCC3B
inline constexpr std::uint32_t kAlarm = 0xCC70;          // 8 bytes
inline constexpr std::uint32_t kChannelBitmaps = 0xCC80; // 6 x 128 bytes
inline constexpr std::uint32_t kTwoToneSystems = 0xCF80; // 16 x 32 bytes
inline constexpr std::uint32_t kTwoToneCalls = 0xD180;   // 16 x 16 bytes
inline constexpr std::uint32_t kFiveTone = 0xD280;       // 720 bytes
inline constexpr std::uint32_t kDtmfSettings = 0xD6B0;   // 44 bytes
inline constexpr std::uint32_t kPttIdCodes = 0xD6E0;     // 4 x 32 bytes
inline constexpr std::uint32_t kDtmfCodes = 0xD760;      // 16 x 24 bytes
inline constexpr std::uint32_t kVfoCopy = 0xD8E0;        // copy of VFO records 0..8
inline constexpr std::uint32_t kBandStarts = 0xDA00;     // 12 records
inline constexpr std::uint32_t kBandStartCount = 12;
inline constexpr std::uint32_t kBandMemories = 0xDB80; // 6 x 64 bytes
inline constexpr std::uint32_t kBandMemoryCount = 6;
inline constexpr std::uint32_t kCustomData = 0xFEE0; // 32 bytes of text
inline constexpr std::uint32_t kModelInfo = 0xFF00;  // 48 bytes
inline constexpr std::uint32_t kBandPlan = 0xFF30;   // 9 x 16 bytes

constexpr std::uint32_t ChannelOffset(std::uint32_t n)
{
    return 0x00E0 + kRecordSize * n;
} // n = 1..1600
} // namespace ImageMap

// Header layout: signature, then the five-tone standard table.
namespace HeaderMap {
inline constexpr std::size_t kSignatureCheckSize = 8; // "QM4410" FF FF is all a reader checks
inline constexpr std::size_t kSignatureSize = 16;     // what Save As writes
inline constexpr std::array<std::uint8_t, kSignatureSize> kSignature = {'Q',  'M',  '4',  '4',  '1',  '0',  0xFF, 0xFF,
                                                                        0x56, 0x02, 0x00, 0x07, 0xFF, 0xFF, 0xFF, 0xFF};
inline constexpr std::size_t kFiveToneStandards = 256; // 16 x 40 bytes
} // namespace HeaderMap

bool HasSignature(const std::uint8_t* first8);
void WriteSignature(HeaderBlock& header);
