#pragma once

#include "document/band_table.h"
#include "document/image_fields.h"

#include <QString>

#include <cstdint>

// The 32-byte record shared by memory channels, scan edges, VFOs and the
// band start records, and the typed accessors every editor goes through.

namespace ChannelLayout {
inline constexpr std::uint32_t kRxFreq = 0;  // BcdFreq; absent when byte 3 is 0xFF or 0x00
inline constexpr std::uint32_t kTxFreq = 4;  // BcdFreq; absent (receive only) likewise
inline constexpr std::uint32_t kCtcss = 8;   // BcdTone, tenths of a hertz
inline constexpr std::uint32_t kDcs = 10;    // BcdDcs
inline constexpr std::uint32_t kOffset = 16; // BcdFreq; absent when byte 19 is 0xFF
inline constexpr std::uint32_t kPttId = 21;  // PttIdList index, whole byte
inline constexpr std::uint32_t kName = 24;
inline constexpr std::uint32_t kNameLength = 6;

inline constexpr BitField kTxPower{12, 6, 2};
inline constexpr BitField kBeatShift{12, 5, 1};
inline constexpr BitField kReverseBackup{12, 4, 1};
inline constexpr BitField kDisplayType{12, 2, 2};
inline constexpr BitField kScan{12, 0, 2};

inline constexpr BitField kBandwidth{13, 6, 2};
inline constexpr BitField kScrambler{13, 5, 1};
inline constexpr BitField kCompander{13, 4, 1};
inline constexpr BitField kEmphasis{13, 3, 1};
inline constexpr BitField kSqlMode{13, 0, 3};

inline constexpr BitField kOffsetDirection{14, 6, 2};
inline constexpr BitField kReverse{14, 5, 1};
inline constexpr BitField kTalkAround{14, 4, 1};
inline constexpr BitField kStep{14, 0, 4};

inline constexpr BitField kDcsPolarity{15, 6, 2};
inline constexpr BitField kBusyLock{15, 4, 2};
inline constexpr BitField kTxStop{15, 3, 1};
inline constexpr BitField kUnused15{15, 2, 1}; // the channel dialog writes 0
inline constexpr BitField kDecodeType{15, 0, 2};

inline constexpr BitField kOptionSignalling{20, 6, 2};
inline constexpr BitField kUnused20{20, 5, 1};
inline constexpr BitField kAm{20, 4, 1};
inline constexpr BitField kSignallingDecode{20, 0, 4}; // decode entry number - 1
} // namespace ChannelLayout

// Stored values of the fields whose meaning the consistency rules depend on.
namespace ScanMode {
inline constexpr unsigned kAllow = 0, kSkip = 1, kPriority = 2;
}
namespace OffsetDirection {
inline constexpr unsigned kSimplex = 0, kMinus = 1, kPlus = 2, kFree = 3;
}
namespace SqlMode {
inline constexpr unsigned kCarrier = 0, kTone = 1, kSignalling = 2, kSignallingAndTone = 3, kSignallingOrTone = 4;
}
namespace DecodeType {
inline constexpr unsigned kOff = 0, kCtcssEncode = 1, kCtcssCodec = 2, kDcsCodec = 3;
}

// Read access to one record.
class ConstChannelRecord {
public:
    explicit ConstChannelRecord(const std::uint8_t* bytes) : m_p(bytes) {}

    const std::uint8_t* bytes() const { return m_p; }
    std::uint8_t byte(std::uint32_t i) const { return m_p[i]; }
    unsigned get(BitField f) const { return ReadBits(m_p[f.offset], f); }

    bool hasRx() const;
    std::uint32_t rx() const; // decoded as stored; check hasRx() first
    bool hasTx() const;
    std::uint32_t tx() const;
    bool hasOffset() const;
    std::uint32_t offset() const; // 0 when absent
    unsigned ctcssTenths() const;
    unsigned dcsCode() const;
    std::uint8_t pttId() const { return m_p[ChannelLayout::kPttId]; }
    // Up to the first byte that is not a printable character.
    QString name() const;
    // A receive frequency within the current limits of one of the receive
    // bands; an absent frequency is in none.
    bool hasRxInBand(const BandTable& bands) const;

private:
    const std::uint8_t* m_p;
};

// Read and write access. Bit fields are written by clearing their bits and
// or-ing in the value, so the other bits of the byte keep theirs.
class ChannelRecord : public ConstChannelRecord {
public:
    explicit ChannelRecord(std::uint8_t* bytes) : ConstChannelRecord(bytes), m_w(bytes) {}

    std::uint8_t* bytes() const { return m_w; }
    void set(BitField f, unsigned value) const;
    void fill(std::uint8_t value) const;

    // Frequencies in 10 Hz units; values beyond eight digits lose their top digits.
    void setRx(std::uint32_t v) const;
    void setTx(std::uint32_t v) const;
    void clearTx() const; // 0xFF x 4
    void setOffset(std::uint32_t v) const;
    void clearOffset() const;
    void setCtcssTenths(unsigned tenths) const;
    void setDcsCode(unsigned code) const;
    void setPttId(std::uint8_t index) const { m_w[ChannelLayout::kPttId] = index; }
    // Bytes 24-29 become 0xFF, then take the text's characters up to the
    // first that is not printable ASCII, at most six.
    void setName(const QString& text) const;

private:
    std::uint8_t* m_w;
};

inline constexpr int kChannelCount = 1600; // two banks of 800

// A record anywhere in the image; offset + 32 must lie within it.
ConstChannelRecord RecordAt(const RadioImage& image, std::uint32_t offset);
ChannelRecord RecordAt(RadioImage& image, std::uint32_t offset);
// Channel n = 1..1600 (bank B from 801).
ConstChannelRecord ChannelAt(const RadioImage& image, int n);
ChannelRecord ChannelAt(RadioImage& image, int n);

// A new record for receive frequency rx (10 Hz units, 0 = absent): all 0xFF,
// transmit = receive, CTCSS 100.0, DCS 023, power "High", emphasis on, step
// 12.5 kHz, offset 600 kHz (7.6 MHz in the 450M and 850M bands), AM in the
// airband.
void WriteNewRecord(const BandTable& bands, const ChannelRecord& record, std::uint32_t rx);
void NewChannelRecord(const BandTable& bands, RadioImage& image, int n, std::uint32_t rx);
// A table row without a receive frequency: the new absent record, but with
// a 7.6 MHz offset.
void WriteEmptyTableRecord(const BandTable& bands, RadioImage& image, int n);

// Offset direction of a saved row: simplex when transmit = receive; "-" and
// "+" survive only while the transmit frequency still matches them; anything
// else is a free transmit frequency.
unsigned DeriveOffsetDirection(std::uint32_t rx, std::uint32_t tx, std::uint32_t offset, unsigned direction);
// SQL mode allowed by the decode type and option signalling: a mode that
// needs a tone decoder or signalling the channel lacks falls back to "Carrier".
unsigned ConsistentSqlMode(unsigned sqlMode, unsigned decodeType, unsigned optionSignalling);
