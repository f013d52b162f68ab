#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// The bytes one change of the document altered, as runs holding what they
// were before and after: enough to put a change back or do it again without
// a copy of the whole image.
struct ByteRun {
    std::uint32_t offset = 0;
    // The bytes before, then the bytes after, in one allocation: a history of
    // ten thousand one-cell edits is mostly this.
    std::vector<std::uint8_t> bytes;

    std::size_t size() const { return bytes.size() / 2; }
    std::span<const std::uint8_t> before() const { return std::span(bytes).first(size()); }
    std::span<const std::uint8_t> after() const { return std::span(bytes).subspan(size()); }
};

struct DocumentDelta {
    std::vector<ByteRun> image;
    std::vector<ByteRun> header;

    bool isEmpty() const { return image.empty() && header.empty(); }
    // Bytes held, for the memory a history of changes takes.
    std::size_t byteCount() const;
};

// The runs where two buffers of the same size differ. Runs closer than
// kRunGap bytes are joined: fewer runs cost less than the bytes between them.
inline constexpr std::size_t kRunGap = 8;
std::vector<ByteRun> DifferingRuns(std::span<const std::uint8_t> before, std::span<const std::uint8_t> after);
// Writes each run's `after` (forward) or `before` bytes into the buffer.
void ApplyRuns(const std::vector<ByteRun>& runs, std::span<std::uint8_t> bytes, bool forward);
