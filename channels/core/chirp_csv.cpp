#include "channels/core/chirp_csv.h"

#include "channels/core/channel_record.h"
#include "channels/core/channel_row.h"
#include "channels/core/commit_freq.h"
#include "channels/core/fix_up_image.h"
#include "channels/core/record_rules.h"
#include "codecs/bcd.h"
#include "codecs/decimal.h"
#include "codecs/option_lists.h"
#include "codecs/text_codecs.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <span>

using ChannelLayout::kAm;
using ChannelLayout::kBandwidth;
using ChannelLayout::kDcsPolarity;
using ChannelLayout::kDecodeType;
using ChannelLayout::kOffsetDirection;
using ChannelLayout::kScan;
using ChannelLayout::kStep;
using ChannelLayout::kTxPower;

namespace {

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

constexpr std::int64_t kMaxOffset = 5000000;         // 50 MHz, the most the channel dialog's offset box holds
constexpr std::int64_t kHighestFrequency = 99999999; // eight BCD digits: 999.99999 MHz

// CHIRP's values in the order of the radio's lists: DcsPolarityList (transmit
// then receive, R inverted), DecodeTypeList and ScanModeList.
constexpr std::array<const char*, 4> kPolarities = {"NN", "NR", "RN", "RR"};
constexpr std::array<const char*, 4> kToneModes = {"", "Tone", "TSQL", "DTCS"};
constexpr std::array<const char*, 4> kSkips = {"", "S", "P", ""};
constexpr unsigned kWide = 0, kNarrow = 2; // BandwidthList

// TxPowerList names its levels without watts, while CHIRP's Power column reads
// watts only (a name makes it refuse the whole line). These nominal figures of
// a 50 W mobile radio let a level go out and come back unchanged.
constexpr std::array<double, 4> kNominalWatts = {5.0, 10.0, 25.0, 50.0};

using Record = std::vector<QString>;

// -- Reading ---------------------------------------------------------------

std::optional<QString> DecodeText(QByteArray bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    QString text;
    const auto bom = QStringConverter::encodingForData(bytes);
    if (bom && *bom != QStringConverter::Utf8) {
        QStringDecoder decode(*bom);
        text = decode(bytes);
    } else {
        QStringDecoder decode(QStringConverter::Utf8);
        text = decode(bytes);
        // Spreadsheets on Windows save in the ANSI code page; the letters it
        // adds to ASCII are none the radio can show anyway.
        if (decode.hasError())
            text = QString::fromLatin1(bytes);
    }
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    if (text.contains(QChar(0)))
        return std::nullopt;
    return text;
}

// The header line decides: a tab from a spreadsheet, ';' as CHIRP wrote where
// the decimal point is a comma, else ','.
QChar DetectSeparator(const QString& text)
{
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(u'\n', start);
        if (end < 0)
            end = text.size();
        const QStringView line = QStringView(text).mid(start, end - start).trimmed();
        start = end + 1;
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (line.contains(u'\t'))
            return u'\t';
        return !line.contains(u',') && line.contains(u';') ? u';' : u',';
    }
    return u',';
}

// A value as the report shows it: a long one cut, so that a field of
// megabytes does not fill the report.
QString ShownValue(const QString& value)
{
    constexpr qsizetype kShown = 40;
    return value.size() <= kShown ? value : value.left(kShown) + QChar(0x2026);
}

// A quoted field that never closed: the record it began in, and how many
// line ends it swallowed.
struct UnclosedQuote {
    std::size_t record = 0;
    qsizetype lineEnds = 0;
};

// Records as Python's csv reader splits them: a field that starts with a
// quote runs to the closing quote, "" inside it is one quote, and separators
// and line ends inside it are text.
std::vector<Record> SplitRecords(const QString& text, QChar separator, std::optional<UnclosedQuote>& unclosed)
{
    std::vector<Record> records;
    Record record;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        QString field;
        if (text[i] == u'"') {
            const qsizetype opened = i;
            for (++i; i < n; ++i) {
                if (text[i] != u'"')
                    field += text[i];
                else if (i + 1 < n && text[i + 1] == u'"')
                    field += text[++i];
                else
                    break;
            }
            if (i >= n) {
                // Lines as the text ends them (LF, CRLF or CR alone); a last line end starts no row.
                QStringView rest = QStringView(text).mid(opened);
                while (rest.endsWith(u'\n') || rest.endsWith(u'\r'))
                    rest.chop(1);
                const qsizetype lf = rest.count(u'\n');
                unclosed = UnclosedQuote{records.size(), lf > 0 ? lf : rest.count(u'\r')};
            }
            i = std::min(i + 1, n); // past the closing quote; what follows it is text, as Python reads it
        }
        qsizetype end = i;
        while (end < n && text[end] != separator && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        field += QStringView(text).mid(i, end - i);
        record.push_back(std::move(field));
        i = end;
        if (i < n && text[i] == separator) {
            if (++i == n)
                record.emplace_back();
            continue;
        }
        // A line end, or the end of the text.
        if (i < n && text[i] == u'\r' && i + 1 < n && text[i + 1] == u'\n')
            ++i;
        ++i;
        records.push_back(std::exchange(record, Record()));
    }
    if (!record.empty()) // the text ended on a separator
        records.push_back(std::move(record));
    return records;
}

// Blank lines carry nothing; CHIRP skips lines whose first field starts with '#'.
bool IsBlankOrComment(const Record& record)
{
    if (!record.empty() && record.front().trimmed().startsWith(u'#'))
        return true;
    return std::all_of(record.begin(), record.end(), [](const QString& f) { return f.trimmed().isEmpty(); });
}

// A plain decimal number, as CHIRP writes its numeric columns: sign, digits,
// one point. Checked by hand, as it runs several times a row.
bool IsNumber(const QString& text)
{
    qsizetype i = !text.isEmpty() && (text[0] == u'+' || text[0] == u'-') ? 1 : 0;
    bool digit = false, point = false;
    for (; i < text.size(); ++i) {
        if (text[i] >= u'0' && text[i] <= u'9')
            digit = true;
        else if (text[i] == u'.' && !point)
            point = true;
        else
            return false;
    }
    return digit;
}

// CHIRP's own words, whatever their case.
bool Is(const QString& text, const char* value)
{
    return text.compare(QLatin1String(value), Qt::CaseInsensitive) == 0;
}

// One data row, its cells found through the header.
class Row {
public:
    Row(const Record& record, const std::array<int, kColumnCount>& at) : m_record(record), m_at(at) {}

    bool has(Column c) const { return m_at[static_cast<std::size_t>(c)] >= 0; }
    QString raw(Column c) const
    {
        const int i = m_at[static_cast<std::size_t>(c)];
        return i >= 0 && i < static_cast<int>(m_record.size()) ? m_record[static_cast<std::size_t>(i)] : QString();
    }
    QString text(Column c) const { return raw(c).trimmed(); }

private:
    const Record& m_record;
    const std::array<int, kColumnCount>& m_at;
};

// -- Values ------------------------------------------------------------------

std::optional<int> ToneTenths(const QString& text)
{
    return IsNumber(text) ? std::optional<int>(static_cast<int>(ParseTenths(text))) : std::nullopt;
}

std::optional<int> DcsNumber(const QString& text)
{
    const bool digits = !text.isEmpty() && text.size() <= 3 &&
                        std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    return digits ? std::optional<int>(text.toInt()) : std::nullopt;
}

const std::array<int, CtcssToneList.size()>& ListedTones()
{
    static const auto tones = [] {
        std::array<int, CtcssToneList.size()> t{};
        for (std::size_t i = 0; i < t.size(); ++i)
            t[i] = static_cast<int>(ParseTenths(QString::fromLatin1(CtcssToneList[i])));
        return t;
    }();
    return tones;
}

bool IsListedTone(int tenths)
{
    const auto& tones = ListedTones();
    return std::find(tones.begin(), tones.end(), tenths) != tones.end();
}

int NearestListedTone(int tenths)
{
    const auto& tones = ListedTones();
    return *std::min_element(tones.begin(), tones.end(),
                             [tenths](int a, int b) { return std::abs(a - tenths) < std::abs(b - tenths); });
}

bool IsListedCode(int code)
{
    static const auto codes = [] {
        std::array<int, DcsCodeList.size()> c{};
        for (std::size_t i = 0; i < c.size(); ++i)
            c[i] = QString::fromLatin1(DcsCodeList[i]).toInt();
        return c;
    }();
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

bool InTransmitBand(const BandTable& bands, std::int64_t v)
{
    const int band = BandIndexOf(bands, v, true);
    return band >= 0 && bands.txEnabled[static_cast<std::size_t>(band)];
}

unsigned NearestPowerLevel(double watts)
{
    unsigned best = 0;
    for (unsigned i = 1; i < kNominalWatts.size(); ++i)
        if (watts > 0 && std::abs(std::log(watts / kNominalWatts[i])) < std::abs(std::log(watts / kNominalWatts[best])))
            best = i;
    return best;
}

// -- One row -----------------------------------------------------------------

class RowImport {
public:
    RowImport(const BandTable& bands, RadioImage& image, CsvImportResult& result, std::vector<int>& rowOfChannel,
              const Row& row, int rowNumber)
        : m_bands(bands), m_image(image), m_result(result), m_rowOfChannel(rowOfChannel), m_row(row),
          m_rowNumber(rowNumber)
    {
    }

    // channel 0: the row's Location. False when the row was skipped.
    bool take(int channel);

private:
    void note(Column c, const QString& value, const QString& action)
    {
        m_result.issues.push_back({m_rowNumber, QString::fromLatin1(kColumnNames[c]), ShownValue(value), action});
    }
    bool skip(Column c, const QString& value, const QString& action)
    {
        note(c, value, action);
        return false;
    }

    std::optional<std::uint32_t> receive();
    void transmit(const ChannelRecord& r, std::uint32_t rx);
    void tones(const ChannelRecord& r);
    void mode(const ChannelRecord& r, std::uint32_t rx);
    void step(const ChannelRecord& r, std::uint32_t rx);
    void scan(const ChannelRecord& r);
    void power(const ChannelRecord& r);
    void name(const ChannelRecord& r);

    // Decode type with the tone or code it uses.
    struct Squelch {
        unsigned decode = DecodeType::kOff;
        std::optional<unsigned> tone, code;
    };
    Squelch cross(Column rCol, Column cCol);
    unsigned useTone(Column c);
    unsigned useCode(Column c);

    const BandTable& m_bands;
    RadioImage& m_image;
    CsvImportResult& m_result;
    std::vector<int>& m_rowOfChannel;
    const Row& m_row;
    const int m_rowNumber;
    int m_channel = 0;
};

bool RowImport::take(int channel)
{
    if (channel == 0) {
        const QString location = m_row.text(kLocation);
        bool ok = false;
        channel = location.toInt(&ok);
        if (!ok)
            return skip(kLocation, location, QCoreApplication::translate("ChirpCsv", "skipped: not a channel number"));
        if (channel < 1 || channel > kEditableChannels)
            return skip(kLocation, location,
                        QCoreApplication::translate("ChirpCsv", "skipped: the channels are 1 to 800"));
    } else if (channel > kEditableChannels) {
        return skip(kLocation, QString::number(channel),
                    QCoreApplication::translate("ChirpCsv", "skipped: past channel 800"));
    }
    m_channel = channel;
    const std::optional<std::uint32_t> rx = receive();
    if (!rx)
        return false;
    int& earlier = m_rowOfChannel[static_cast<std::size_t>(channel)];
    if (earlier != 0)
        note(kLocation, QString::number(channel),
             QCoreApplication::translate("ChirpCsv", "replaces row %1, which named the same channel").arg(earlier));
    earlier = m_rowNumber;

    NewChannelRecord(m_bands, m_image, channel, *rx);
    const ChannelRecord r = ChannelAt(m_image, channel);
    name(r);
    transmit(r, *rx);
    tones(r);
    mode(r, *rx);
    step(r, *rx);
    scan(r);
    power(r);
    return true;
}

std::optional<std::uint32_t> RowImport::receive()
{
    const QString text = m_row.text(kFrequency);
    if (text.isEmpty()) {
        skip(kFrequency, text, QCoreApplication::translate("ChirpCsv", "skipped: no frequency"));
        return std::nullopt;
    }
    if (!IsNumber(text)) {
        skip(kFrequency, text, QCoreApplication::translate("ChirpCsv", "skipped: not a frequency"));
        return std::nullopt;
    }
    const std::int64_t typed = ParseMHz(text);
    // The table would move such a value to the lowest band; a file's row is
    // better left out than put somewhere its author never meant.
    if (BandIndexOf(m_bands, typed) < 0) {
        skip(kFrequency, text, QCoreApplication::translate("ChirpCsv", "skipped: outside the band plan"));
        return std::nullopt;
    }
    // Typed over the receive cell of the channel as it stands (an absent
    // channel 1 shows the frequency the table gives it).
    const ConstChannelRecord old = ChannelAt(m_image, m_channel);
    QString oldRx = old.hasRx() ? FormatMHz(old.rx()) : QString();
    if (oldRx.isEmpty() && m_channel == 1)
        oldRx = FormatMHz(ChannelOneLoadFreq(m_bands));
    const QString oldTx = old.hasTx() ? FormatMHz(old.tx()) : QString();
    const QString typedText = FormatMHz(typed);
    const FreqCellCommit commit = CommitFreqRule(m_bands, m_channel, kColumnRx, typedText, oldRx, oldTx);
    // A new channel takes the value on its raster; a channel typed over may
    // be channel 1 keeping a frequency it can transmit on.
    std::int64_t rx = commit.rx;
    std::int64_t snapped = commit.rx;
    if (commit.kind == FreqCellCommit::kSetCell) {
        rx = ParseMHz(commit.text);
        snapped = TableFreqValue(m_bands, typedText);
    }
    if (commit.kind != FreqCellCommit::kNewChannel && commit.kind != FreqCellCommit::kSetCell)
        rx = 0;
    if (rx == 0) {
        skip(kFrequency, text,
             QCoreApplication::translate(
                 "ChirpCsv", "skipped: channel 1 must be able to transmit, and no transmit band is enabled"));
        return std::nullopt;
    }
    if (rx != snapped)
        note(kFrequency, text,
             QCoreApplication::translate("ChirpCsv", "kept %1: channel 1 must be able to transmit").arg(FormatMHz(rx)));
    else if (rx != typed)
        note(kFrequency, text, QCoreApplication::translate("ChirpCsv", "snapped to %1").arg(FormatMHz(rx)));
    return static_cast<std::uint32_t>(rx);
}

void RowImport::transmit(const ChannelRecord& r, std::uint32_t rx)
{
    const QString duplex = m_row.text(kDuplex);
    const QString offsetText = m_row.text(kOffset);
    const bool hasOffset = IsNumber(offsetText);
    const std::int64_t offset = hasOffset ? ParseMHz(offsetText) : 0;
    const bool plus = duplex == u"+", minus = duplex == u"-",
               split = duplex.compare(u"split", Qt::CaseInsensitive) == 0;
    bool transmits = true;
    std::int64_t tx = rx;
    unsigned direction = OffsetDirection::kSimplex;
    const bool off = duplex.compare(u"off", Qt::CaseInsensitive) == 0;
    if (duplex.isEmpty() || off) {
        // The offset is kept for a later change of direction, as the record keeps it.
        if (offset > 0 && offset <= kMaxOffset)
            r.setOffset(static_cast<std::uint32_t>(SnapFreq(offset)));
        transmits = !off;
    } else if (plus || minus) {
        if (!hasOffset || offset < 0) {
            note(kOffset, offsetText, QCoreApplication::translate("ChirpCsv", "not an offset: simplex"));
        } else if (offset > kHighestFrequency) {
            note(kOffset, offsetText, QCoreApplication::translate("ChirpCsv", "out of range: simplex"));
        } else if (offset > kMaxOffset) {
            tx = plus ? rx + offset : rx - offset;
            direction = OffsetDirection::kFree;
            note(kOffset, offsetText,
                 QCoreApplication::translate("ChirpCsv", "above 50 MHz: kept as a separate transmit frequency"));
        } else {
            const std::int64_t snapped = SnapFreq(offset);
            if (snapped != offset)
                note(kOffset, offsetText,
                     QCoreApplication::translate("ChirpCsv", "snapped to %1").arg(FormatMHz(snapped)));
            if (snapped > 0)
                r.setOffset(static_cast<std::uint32_t>(snapped));
            tx = plus ? rx + snapped : rx - snapped;
            direction = tx == rx ? OffsetDirection::kSimplex : plus ? OffsetDirection::kPlus : OffsetDirection::kMinus;
        }
    } else if (split) {
        if (offset <= 0) {
            note(kOffset, offsetText, QCoreApplication::translate("ChirpCsv", "no transmit frequency: simplex"));
        } else if (offset > kHighestFrequency) {
            note(kOffset, offsetText, QCoreApplication::translate("ChirpCsv", "out of range: simplex"));
        } else {
            // The transmit side has no 850M raster of its own.
            tx = SnapChannelRaster(offset, -1);
            if (tx != offset)
                note(kOffset, offsetText, QCoreApplication::translate("ChirpCsv", "snapped to %1").arg(FormatMHz(tx)));
            direction = tx == rx ? OffsetDirection::kSimplex : OffsetDirection::kFree;
        }
    } else {
        note(kDuplex, duplex, QCoreApplication::translate("ChirpCsv", "not a duplex CHIRP knows: simplex"));
    }

    const Column blamed = plus || minus || split ? kOffset : kDuplex;
    const QString value = blamed == kOffset ? offsetText : duplex;
    if (transmits && tx != rx && !InTransmitBand(m_bands, tx)) {
        // Channel 1 must stay able to transmit: it falls back to simplex.
        if (m_channel == 1)
            note(blamed, value,
                 QCoreApplication::translate("ChirpCsv", "simplex: %1 is outside the transmit bands")
                     .arg(FormatMHz(tx)));
        else
            note(blamed, value,
                 QCoreApplication::translate("ChirpCsv", "receive only: %1 is outside the transmit bands")
                     .arg(FormatMHz(tx)));
        transmits = m_channel == 1;
        tx = rx;
        direction = OffsetDirection::kSimplex;
    } else if (!transmits && m_channel == 1) {
        note(kDuplex, duplex, QCoreApplication::translate("ChirpCsv", "simplex: channel 1 must be able to transmit"));
        transmits = true;
    }
    // Without a transmit frequency the table stores zeros and direction 3;
    // doing the same keeps its next save from changing the record.
    r.setTx(transmits ? static_cast<std::uint32_t>(tx) : 0);
    r.set(kOffsetDirection, transmits ? direction : OffsetDirection::kFree);
}

unsigned RowImport::useTone(Column c)
{
    const QString text = m_row.text(c);
    const std::optional<int> tenths = ToneTenths(text);
    if (!tenths) {
        const unsigned fallback = DecodeBcd2(kDefaultCtcssBytes.data());
        note(c, text, QCoreApplication::translate("ChirpCsv", "not a tone: %1").arg(FormatTenths(fallback)));
        return fallback;
    }
    const int nearest = NearestListedTone(*tenths);
    if (nearest != *tenths)
        note(c, text,
             QCoreApplication::translate("ChirpCsv", "not in the radio's tone list: nearest %1")
                 .arg(FormatTenths(nearest)));
    return static_cast<unsigned>(nearest);
}

unsigned RowImport::useCode(Column c)
{
    const QString text = m_row.text(c);
    const std::optional<int> code = DcsNumber(text);
    if (code && IsListedCode(*code))
        return static_cast<unsigned>(*code);
    const unsigned fallback = DecodeBcd2(kDefaultDcsBytes.data());
    note(c, text, QCoreApplication::translate("ChirpCsv", "not in the radio's DCS list: %1").arg(DefaultDcsText()));
    return fallback;
}

RowImport::Squelch RowImport::cross(Column rCol, Column cCol)
{
    QString cross = m_row.text(kCrossMode);
    if (cross.isEmpty())
        cross = QStringLiteral("Tone->Tone"); // CHIRP's default
    const qsizetype arrow = cross.indexOf(QLatin1String("->"));
    auto kind = [&](const QString& side) {
        return side.isEmpty() ? 0 : Is(side, "Tone") ? 1 : Is(side, "DTCS") ? 2 : -1;
    };
    const int send = arrow < 0 ? -1 : kind(cross.left(arrow));
    const int hear = arrow < 0 ? -1 : kind(cross.mid(arrow + 2));
    auto crossNote = [&](const char* text) { note(kCrossMode, cross, QCoreApplication::translate("ChirpCsv", text)); };
    // The radio decodes what it sends. What it cannot keep gives way to the
    // transmit side, which is what opens a repeater.
    if (send < 0 || hear < 0 || (send == 0 && hear == 0)) {
        crossNote(QT_TRANSLATE_NOOP("ChirpCsv", "not a cross mode: decode type Off"));
        return {};
    }
    if (send == 1) {
        const bool same = hear == 1 && ToneTenths(m_row.text(rCol)) == ToneTenths(m_row.text(cCol));
        const Squelch s{same ? DecodeType::kCtcssCodec : DecodeType::kCtcssEncode, useTone(rCol), std::nullopt};
        if (hear == 1 && !same)
            note(cCol, m_row.text(cCol),
                 QCoreApplication::translate("ChirpCsv", "left out: the radio decodes only the tone it sends; "
                                                         "decode type Ctcss Encode"));
        else if (hear == 2)
            crossNote(QT_TRANSLATE_NOOP("ChirpCsv",
                                        "decode type Ctcss Encode: the radio cannot decode DCS while it sends a tone"));
        return s;
    }
    if (send == 2) {
        const Squelch s{DecodeType::kDcsCodec, std::nullopt, useCode(kDtcsCode)};
        if (hear == 0)
            crossNote(QT_TRANSLATE_NOOP("ChirpCsv", "decode type Dcs Codec: the radio also decodes the code it sends"));
        else if (hear == 1)
            crossNote(QT_TRANSLATE_NOOP("ChirpCsv",
                                        "decode type Dcs Codec: the radio cannot decode a tone while it sends DCS"));
        else if (DcsNumber(m_row.text(kRxDtcsCode)) != DcsNumber(m_row.text(kDtcsCode)))
            note(kRxDtcsCode, m_row.text(kRxDtcsCode),
                 QCoreApplication::translate("ChirpCsv", "left out: the radio decodes only the code it sends"));
        return s;
    }
    if (hear == 1) {
        crossNote(QT_TRANSLATE_NOOP("ChirpCsv", "decode type Ctcss Codec: the radio also sends the tone it decodes"));
        return {DecodeType::kCtcssCodec, useTone(cCol), std::nullopt};
    }
    crossNote(QT_TRANSLATE_NOOP("ChirpCsv", "decode type Dcs Codec: the radio also sends the code it decodes"));
    return {DecodeType::kDcsCodec, std::nullopt, useCode(kRxDtcsCode)};
}

void RowImport::tones(const ChannelRecord& r)
{
    // Where only one of the two tone columns is given, it stands for both, as CHIRP reads it.
    const Column rCol = m_row.has(kRToneFreq) || !m_row.has(kCToneFreq) ? kRToneFreq : kCToneFreq;
    const Column cCol = m_row.has(kCToneFreq) || !m_row.has(kRToneFreq) ? kCToneFreq : kRToneFreq;
    const QString mode = m_row.text(kTone);
    Squelch s;
    if (mode.isEmpty())
        s = {};
    else if (Is(mode, "Tone"))
        s = {DecodeType::kCtcssEncode, useTone(rCol), std::nullopt};
    else if (Is(mode, "TSQL"))
        s = {DecodeType::kCtcssCodec, useTone(cCol), std::nullopt};
    else if (Is(mode, "DTCS"))
        s = {DecodeType::kDcsCodec, std::nullopt, useCode(kDtcsCode)};
    else if (Is(mode, "Cross"))
        s = cross(rCol, cCol);
    else if (Is(mode, "TSQL-R") || Is(mode, "DTCS-R"))
        note(kTone, mode, QCoreApplication::translate("ChirpCsv", "reverse squelch is not available: decode type Off"));
    else
        note(kTone, mode, QCoreApplication::translate("ChirpCsv", "not a tone mode: decode type Off"));
    r.set(kDecodeType, s.decode);

    // A tone or code the channel does not use is kept all the same, as the
    // record keeps one, when the radio's lists have it.
    if (!s.tone) {
        const std::optional<int> unused = ToneTenths(m_row.text(rCol));
        if (unused && IsListedTone(*unused))
            s.tone = static_cast<unsigned>(*unused);
    }
    if (!s.code) {
        const std::optional<int> unused = DcsNumber(m_row.text(kDtcsCode));
        if (unused && IsListedCode(*unused))
            s.code = static_cast<unsigned>(*unused);
    }
    if (s.tone)
        r.setCtcssTenths(*s.tone);
    if (s.code)
        r.setDcsCode(*s.code);

    const QString polarity = m_row.text(kDtcsPolarity);
    if (const int p = FindListIndexNoCase(kPolarities, polarity); p >= 0)
        r.set(kDcsPolarity, static_cast<unsigned>(p));
    else if (!polarity.isEmpty() && s.decode == DecodeType::kDcsCodec)
        note(kDtcsPolarity, polarity,
             QCoreApplication::translate("ChirpCsv", "not a polarity: %1").arg(QLatin1String(DcsPolarityList[0])));
}

void RowImport::mode(const ChannelRecord& r, std::uint32_t rx)
{
    const QString mode = m_row.text(kMode);
    if (mode.isEmpty())
        return;
    auto is = [&mode](const char* value) { return Is(mode, value); };
    unsigned bandwidth = kWide;
    unsigned am = 0;
    if (is("NFM")) {
        bandwidth = kNarrow;
    } else if (is("AM") || is("NAM")) {
        am = BandIndexOf(m_bands, rx) == kAirbandIndex ? 1 : 0;
        if (am == 0)
            note(kMode, mode,
                 QCoreApplication::translate("ChirpCsv", "wide FM: the radio receives AM in the airband only"));
        else if (is("NAM"))
            note(kMode, mode, QCoreApplication::translate("ChirpCsv", "received as AM"));
    } else if (!is("FM")) {
        note(kMode, mode, QCoreApplication::translate("ChirpCsv", "wide FM: not a mode of the radio"));
    }
    r.set(kBandwidth, bandwidth);
    r.set(kAm, am);
}

void RowImport::step(const ChannelRecord& r, std::uint32_t rx)
{
    const QString text = m_row.text(kTStep);
    if (text.isEmpty())
        return;
    if (IsNumber(text)) {
        const auto hundredths = std::llround(ParseDouble(text) * 100);
        for (const QString& choice : StepChoices(m_bands, rx))
            if (std::llround(ParseDouble(choice) * 100) == hundredths) {
                r.set(kStep, static_cast<unsigned>(StepTextToIndex(choice)));
                return;
            }
    }
    note(kTStep, text,
         QCoreApplication::translate("ChirpCsv", "not a step for this frequency: %1 kHz kept")
             .arg(StepIndexToText(kDefaultStepIndex)));
}

void RowImport::scan(const ChannelRecord& r)
{
    const QString text = m_row.text(kSkip);
    const int scan = FindListIndexNoCase(std::span(kSkips.data(), 3), text);
    if (scan < 0)
        note(kSkip, text,
             QCoreApplication::translate("ChirpCsv", "not a skip value: %1")
                 .arg(QLatin1String(ScanModeList[ScanMode::kAllow])));
    r.set(kScan, scan < 0 ? ScanMode::kAllow : static_cast<unsigned>(scan));
}

void RowImport::power(const ChannelRecord& r)
{
    const QString text = m_row.text(kPower);
    if (text.isEmpty())
        return;
    int level = FindListIndexNoCase(TxPowerList, text);
    if (level < 0) {
        static const QRegularExpression watts(QStringLiteral(R"(^(\d+\.?\d*|\.\d+)\s*[Ww]?$)"));
        if (const QRegularExpressionMatch m = watts.match(text); m.hasMatch()) {
            const double w = ParseDouble(m.captured(1));
            level = static_cast<int>(NearestPowerLevel(w));
            if (w != kNominalWatts[static_cast<std::size_t>(level)])
                note(kPower, text,
                     QCoreApplication::translate("ChirpCsv", "nearest level: %1")
                         .arg(QLatin1String(TxPowerList[static_cast<std::size_t>(level)])));
        } else {
            // Other radios' level names: Lo, Mid2, Hi and the like.
            const QString t = text.toLower();
            level = t.startsWith(u'l') ? 0 : t.startsWith(u'm') ? (t.contains(u'2') ? 1 : 2) : 3;
            note(kPower, text,
                 QCoreApplication::translate("ChirpCsv", "guessed: %1")
                     .arg(QLatin1String(TxPowerList[static_cast<std::size_t>(level)])));
        }
    }
    r.set(kTxPower, static_cast<unsigned>(level));
}

void RowImport::name(const ChannelRecord& r)
{
    QString raw = m_row.raw(kName);
    while (raw.endsWith(u' ')) // CHIRP drops trailing blanks too
        raw.chop(1);
    QString name;
    for (const QChar c : raw)
        if (c != u'\b' && AcceptsChar(NameCharFilter, c))
            name += c;
    const bool filtered = name.size() != raw.size();
    const bool cut = name.size() > static_cast<qsizetype>(ChannelLayout::kNameLength);
    name.truncate(ChannelLayout::kNameLength);
    // "Green Dot" is "Green", not "Green ": what the export writes comes back the same.
    while (name.endsWith(u' '))
        name.chop(1);
    if (filtered && cut)
        note(kName, raw,
             QCoreApplication::translate("ChirpCsv", "characters the radio cannot show left out, then cut to 6: \"%1\"")
                 .arg(name));
    else if (filtered)
        note(kName, raw,
             QCoreApplication::translate("ChirpCsv", "characters the radio cannot show left out: \"%1\"").arg(name));
    else if (cut)
        note(kName, raw, QCoreApplication::translate("ChirpCsv", "cut to 6 characters: \"%1\"").arg(name));
    r.setName(name);
}

// -- Writing -----------------------------------------------------------------

// CHIRP's format_freq: MHz with six decimals, from 10 Hz units.
QString FreqText(std::int64_t v)
{
    return FormatScaled(v * 10, 6);
}

QString CodeText(unsigned code)
{
    return QStringLiteral("%1").arg(code, 3, 10, QLatin1Char('0'));
}

// CHIRP refuses a line whose tone lies outside 50-300 Hz or whose code has a
// digit above 7: such a value goes out as CHIRP's own default.
QString ExportTone(unsigned tenths)
{
    return tenths >= 600 && tenths <= 2600 ? FormatTenths(tenths) : QStringLiteral("88.5");
}
QString ExportCode(unsigned code)
{
    const bool octal = code <= 777 && code % 10 <= 7 && code / 10 % 10 <= 7;
    return CodeText(octal ? code : 23);
}

QString PowerText(unsigned level)
{
    const double w = kNominalWatts[level];
    // AutoNamedPowerLevel's label
    return w >= 10 ? QStringLiteral("%1W").arg(static_cast<int>(w)) : QStringLiteral("%1W").arg(w, 0, 'f', 1);
}

// Quoted as Python's csv writer quotes: only where the field needs it.
QString CsvField(const QString& field, QChar separator)
{
    if (!field.contains(separator) && !field.contains(u'"') && !field.contains(u'\r') && !field.contains(u'\n'))
        return field;
    QString quoted = field;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

std::array<QString, kColumnCount> ExportRow(const ConstChannelRecord& r, int n)
{
    std::array<QString, kColumnCount> f;
    f[kLocation] = QString::number(n);
    f[kName] = r.name();
    f[kFrequency] = FreqText(r.rx());
    const unsigned direction =
        r.hasTx() ? DeriveOffsetDirection(r.rx(), r.tx(), r.offset(), r.get(kOffsetDirection)) : OffsetDirection::kFree;
    f[kOffset] = FreqText(r.offset());
    if (!r.hasTx()) {
        f[kDuplex] = QStringLiteral("off");
    } else if (direction == OffsetDirection::kMinus || direction == OffsetDirection::kPlus) {
        f[kDuplex] = direction == OffsetDirection::kPlus ? QStringLiteral("+") : QStringLiteral("-");
    } else if (direction == OffsetDirection::kFree) {
        f[kDuplex] = QStringLiteral("split");
        f[kOffset] = FreqText(r.tx());
    }
    const unsigned decode = r.get(kDecodeType);
    f[kTone] = QLatin1String(kToneModes[decode]);
    f[kRToneFreq] = f[kCToneFreq] = ExportTone(r.ctcssTenths());
    f[kDtcsCode] = f[kRxDtcsCode] = ExportCode(r.dcsCode());
    f[kDtcsPolarity] = QLatin1String(kPolarities[r.get(kDcsPolarity)]);
    f[kCrossMode] = QStringLiteral("Tone->Tone");
    f[kMode] = r.get(kAm)                     ? QStringLiteral("AM")
               : r.get(kBandwidth) == kNarrow ? QStringLiteral("NFM")
                                              : QStringLiteral("FM");
    f[kTStep] = QString::number(ParseDouble(StepIndexToText(static_cast<int>(r.get(kStep)))), 'f', 2);
    f[kSkip] = QLatin1String(kSkips[r.get(kScan)]);
    f[kPower] = PowerText(r.get(kTxPower));
    return f;
}

} // namespace

QString CsvTooLargeText()
{
    return QCoreApplication::translate("ChirpCsv", "The file is larger than %1 MB: it is not a channel list.")
        .arg(kCsvMaxBytes / (1024 * 1024));
}

QString ChirpCsvHeader(char separator)
{
    QString header;
    for (const char* name : kColumnNames) {
        if (!header.isEmpty())
            header += QLatin1Char(separator);
        header += QLatin1String(name);
    }
    return header;
}

QByteArray ExportChirpCsv(const RadioImage& image, const std::vector<int>& channels, char separator)
{
    const QChar sep = QLatin1Char(separator);
    QString out = ChirpCsvHeader(separator) + QStringLiteral("\r\n");
    for (int n : channels) {
        if (n < 1 || n > kEditableChannels)
            continue;
        const ConstChannelRecord r = ChannelAt(image, n);
        if (!r.hasRx())
            continue;
        const std::array<QString, kColumnCount> fields = ExportRow(r, n);
        QString line = CsvField(fields[0], sep);
        for (std::size_t c = 1; c < fields.size(); ++c)
            line += sep + CsvField(fields[c], sep);
        out += line + QStringLiteral("\r\n");
    }
    return out.toUtf8();
}

CsvImportResult ImportChirpCsv(const QByteArray& bytes, const BandTable& bands, RadioImage& image,
                               const CsvImportOptions& options)
{
    CsvImportResult result;
    auto fail = [&result](const QString& error) {
        result.error = error;
        return result;
    };
    if (options.firstChannel < 0 || options.firstChannel > kEditableChannels)
        return fail(QCoreApplication::translate("ChirpCsv", "The first channel must be 1 to 800."));
    const std::optional<QString> text = DecodeText(bytes);
    if (!text)
        return fail(QCoreApplication::translate("ChirpCsv", "This is not a text file."));
    if (text->trimmed().isEmpty())
        return fail(QCoreApplication::translate("ChirpCsv", "The file is empty."));

    std::optional<UnclosedQuote> unclosed;
    const std::vector<Record> records = SplitRecords(*text, DetectSeparator(*text), unclosed);
    std::size_t header = 0;
    while (header < records.size() && IsBlankOrComment(records[header]))
        ++header;
    std::array<int, kColumnCount> at{};
    at.fill(-1);
    if (header < records.size())
        for (std::size_t i = 0; i < records[header].size(); ++i)
            for (std::size_t c = 0; c < kColumnNames.size(); ++c)
                if (at[c] < 0 &&
                    records[header][i].trimmed().compare(QLatin1String(kColumnNames[c]), Qt::CaseInsensitive) == 0)
                    at[c] = static_cast<int>(i);
    if (at[kFrequency] < 0)
        return fail(QCoreApplication::translate("ChirpCsv",
                                                "The file has no Frequency column: it is not a CHIRP channel list."));
    if (at[kLocation] < 0 && options.firstChannel == 0)
        return fail(QCoreApplication::translate(
            "ChirpCsv", "The file has no Location column: give the channel for its first row."));

    std::vector<int> rowOfChannel(kEditableChannels + 1, 0);
    int dataRows = 0;
    for (std::size_t i = header + 1; i < records.size(); ++i) {
        if (IsBlankOrComment(records[i]))
            continue;
        // The row that holds a quote left open, and the lines it swallowed, are not read.
        if (unclosed && i == unclosed->record) {
            const int from = static_cast<int>(i - header);
            const int to = from + static_cast<int>(unclosed->lineEnds);
            result.issues.push_back(
                {from, QString(), QString(),
                 to > from ? QCoreApplication::translate("ChirpCsv",
                                                         "unclosed quote from row %1: rows %1 to %2 were not read")
                                 .arg(from)
                                 .arg(to)
                           : QCoreApplication::translate("ChirpCsv", "unclosed quote from row %1: row %1 was not read")
                                 .arg(from)});
            ++result.skipped;
            continue;
        }
        const Row row(records[i], at);
        RowImport import(bands, image, result, rowOfChannel, row, static_cast<int>(i - header));
        const int channel = options.firstChannel == 0 ? 0 : options.firstChannel + dataRows;
        ++dataRows;
        if (import.take(channel))
            ++result.taken;
        else
            ++result.skipped;
    }
    // An import that takes no row leaves the image as it was.
    if (result.taken > 0)
        FixUpImage(bands, image, options.priority);
    result.ok = true;
    return result;
}
