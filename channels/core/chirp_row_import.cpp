// How each column of a row of CHIRP's CSV goes into a channel record.
#include "channels/core/chirp_rows.h"

#include "channels/core/channel_row.h"
#include "channels/core/commit_freq.h"
#include "channels/core/record_rules.h"
#include "codecs/bcd.h"
#include "codecs/decimal.h"
#include "codecs/option_lists.h"
#include "codecs/text_codecs.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
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

namespace ChirpRows {
namespace {

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
        m_result.issues.push_back(
            {m_rowNumber, QString::fromLatin1(kColumnNames[c]), CsvText::ShownValue(value), action});
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

} // namespace

bool ImportRow(const BandTable& bands, RadioImage& image, CsvImportResult& result, std::vector<int>& rowOfChannel,
               const Row& row, int rowNumber, int channel)
{
    RowImport import(bands, image, result, rowOfChannel, row, rowNumber);
    return import.take(channel);
}

} // namespace ChirpRows
