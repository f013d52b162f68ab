#pragma once

#include "document/radio_image.h"

#include <cstdint>
#include <span>
#include <vector>

// A half-open range [start, end) of radio addresses; ranges go in table order,
// each from its start upwards.
struct TransferRange {
    std::uint32_t start = 0;
    std::uint32_t end = 0;
    friend bool operator==(const TransferRange&, const TransferRange&) = default;
};

// One block on the wire: never longer than 128 bytes, never crossing a
// multiple of 128.
struct TransferBlock {
    std::uint32_t address = 0;
    int length = 0;
    friend bool operator==(const TransferBlock&, const TransferBlock&) = default;
};

inline constexpr int kMaxTransferRanges = 16;
inline constexpr int kMaxBlockLength = 128;

// The ranges the program transfers.
inline constexpr TransferRange kFullReadRange{0x0100, 0x10000};
inline constexpr TransferRange kWriteMainRange{0x0060, 0xF400};
inline constexpr TransferRange kWriteTailRange{0xFF00, 0x10000};
inline constexpr TransferRange kWriteServiceTailRange{0xFEE0, 0x10000}; // adds the custom data
inline constexpr TransferRange kCustomDataRange{0xFEE0, 0xFF00};

std::vector<TransferRange> FullReadRanges();
std::vector<TransferRange> FullWriteRanges(bool serviceMode);

// 1 to 16 ranges, each with start <= end <= 0x10000.
bool RangesAreValid(std::span<const TransferRange> ranges);

// The blocks of the ranges in transfer order.
std::vector<TransferBlock> DivideIntoBlocks(std::span<const TransferRange> ranges);
// Their number: the progress bar's upper bound.
int CountBlocks(std::span<const TransferRange> ranges);

// Copies the ranges of a finished read from the staging image into the document.
void ApplyRanges(const RadioImage& staging, std::span<const TransferRange> ranges, RadioImage& document);
