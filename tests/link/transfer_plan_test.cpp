#include "link/core/transfer_plan.h"

#include <gtest/gtest.h>

namespace {

struct CountCase {
    const char* name;
    std::vector<TransferRange> ranges;
    int blocks;
};

TEST(TransferPlan, BlockCountsOfTheProgramsTransfers)
{
    const CountCase cases[] = {
        {"full read", FullReadRanges(), 510},
        {"full write", FullWriteRanges(false), 490},
        {"service-mode write", FullWriteRanges(true), 491},
        {"custom data", {kCustomDataRange}, 1},
        {"empty range", {{0x1000, 0x1000}}, 0},
        {"one byte", {{0xFFFF, 0x10000}}, 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CountBlocks(c.ranges), c.blocks) << c.name;
        EXPECT_EQ(static_cast<int>(DivideIntoBlocks(c.ranges).size()), c.blocks) << c.name;
    }
}

TEST(TransferPlan, BlocksNeverCrossA128ByteLine)
{
    const std::vector<TransferRange> ranges = {{0x0060, 0x0200}, {0x0301, 0x0305}, {0xFEE0, 0x10000}};
    const std::vector<TransferBlock> expected = {
        {0x0060, 32}, {0x0080, 128}, {0x0100, 128}, {0x0180, 128}, // first range
        {0x0301, 4},                                               // inside one line
        {0xFEE0, 32}, {0xFF00, 128}, {0xFF80, 128},                // to the end of memory
    };
    EXPECT_EQ(DivideIntoBlocks(ranges), expected);
}

TEST(TransferPlan, FullWriteCoversTheWriteAreaInOrder)
{
    const auto blocks = DivideIntoBlocks(FullWriteRanges(false));
    ASSERT_EQ(blocks.size(), 490u);
    EXPECT_EQ(blocks.front(), (TransferBlock{0x0060, 32}));
    EXPECT_EQ(blocks[blocks.size() - 3], (TransferBlock{0xF380, 128}));
    EXPECT_EQ(blocks[blocks.size() - 2], (TransferBlock{0xFF00, 128}));
    EXPECT_EQ(blocks.back(), (TransferBlock{0xFF80, 128}));
    const auto service = DivideIntoBlocks(FullWriteRanges(true));
    EXPECT_EQ(service[service.size() - 3], (TransferBlock{0xFEE0, 32}));
}

TEST(TransferPlan, RangeValidation)
{
    EXPECT_TRUE(RangesAreValid(FullReadRanges()));
    EXPECT_TRUE(RangesAreValid(std::vector<TransferRange>(16, kCustomDataRange)));
    EXPECT_FALSE(RangesAreValid({}));
    EXPECT_FALSE(RangesAreValid(std::vector<TransferRange>(17, kCustomDataRange)));
    const std::vector<TransferRange> pastEnd = {{0xFF00, 0x10001}};
    const std::vector<TransferRange> backwards = {{0x2000, 0x1000}};
    EXPECT_FALSE(RangesAreValid(pastEnd));
    EXPECT_FALSE(RangesAreValid(backwards));
}

TEST(TransferPlan, ApplyRangesCopiesOnlyTheRanges)
{
    RadioImage staging;
    staging.fill(0xAA);
    RadioImage document{};
    const std::vector<TransferRange> ranges = {{0x0010, 0x0020}, {0xFFF0, 0x10000}};
    ApplyRanges(staging, ranges, document);
    for (std::size_t i = 0; i < document.size(); ++i) {
        const bool inside = (i >= 0x10 && i < 0x20) || i >= 0xFFF0;
        ASSERT_EQ(document[i], inside ? 0xAA : 0x00) << i;
    }
}

} // namespace
