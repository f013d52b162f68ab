#pragma once

#include "channels/core/channel_record.h"
#include "channels/core/chirp_csv.h"
#include "channels/core/csv_text.h"

#include <array>
#include <cstdint>
#include <vector>

// The rules of one channel row of CHIRP's CSV: how each column goes into the
// channel record on import (and what is reported where it could not go in
// as it stood), and what each column holds on export.
namespace ChirpRows {

// CHIRP's columns, in the order it writes them.
enum Column : int {
    kLocation,
    kName,
    kFrequency,
    kDuplex,
    kOffset,
    kTone,
    kRToneFreq,
    kCToneFreq,
    kDtcsCode,
    kDtcsPolarity,
    kRxDtcsCode,
    kCrossMode,
    kMode,
    kTStep,
    kSkip,
    kPower,
    kComment,
    kUrCall,
    kRpt1Call,
    kRpt2Call,
    kDvCode,
    kColumnCount
};
constexpr std::array<const char*, kColumnCount> kColumnNames = {
    "Location",  "Name",     "Frequency",    "Duplex",     "Offset",    "Tone",     "rToneFreq",
    "cToneFreq", "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode",     "TStep",
    "Skip",      "Power",    "Comment",      "URCALL",     "RPT1CALL",  "RPT2CALL", "DVCODE"};

// One data row, its cells found through the header.
class Row {
public:
    Row(const CsvText::CsvRecord& record, const std::array<int, kColumnCount>& at) : m_record(record), m_at(at) {}

    bool has(Column c) const { return m_at[static_cast<std::size_t>(c)] >= 0; }
    QString raw(Column c) const
    {
        const int i = m_at[static_cast<std::size_t>(c)];
        return i >= 0 && i < static_cast<int>(m_record.size()) ? m_record[static_cast<std::size_t>(i)] : QString();
    }
    QString text(Column c) const { return raw(c).trimmed(); }

private:
    const CsvText::CsvRecord& m_record;
    const std::array<int, kColumnCount>& m_at;
};

inline constexpr std::int64_t kMaxOffset = 5000000;         // 50 MHz, the most the channel dialog's offset box holds
inline constexpr std::int64_t kHighestFrequency = 99999999; // eight BCD digits: 999.99999 MHz

// CHIRP's values in the order of the radio's lists: DcsPolarityList (transmit
// then receive, R inverted), DecodeTypeList and ScanModeList.
inline constexpr std::array<const char*, 4> kPolarities = {"NN", "NR", "RN", "RR"};
inline constexpr std::array<const char*, 4> kToneModes = {"", "Tone", "TSQL", "DTCS"};
inline constexpr std::array<const char*, 4> kSkips = {"", "S", "P", ""};
inline constexpr unsigned kWide = 0, kNarrow = 2; // BandwidthList

// TxPowerList names its levels without watts, while CHIRP's Power column reads
// watts only (a name makes it refuse the whole line). These nominal figures of
// a 50 W mobile radio let a level go out and come back unchanged.
inline constexpr std::array<double, 4> kNominalWatts = {5.0, 10.0, 25.0, 50.0};

// Writes one row into its channel (channel 0: the row's Location); false when
// the row was skipped. rowOfChannel notes which row wrote each channel.
bool ImportRow(const BandTable& bands, RadioImage& image, CsvImportResult& result, std::vector<int>& rowOfChannel,
               const Row& row, int rowNumber, int channel);
// The columns of one channel, as CHIRP writes them.
std::array<QString, kColumnCount> ExportRow(const ConstChannelRecord& r, int n);

} // namespace ChirpRows
