#include "radio/core/band_chart.h"

#include "channels/core/channel_record.h"
#include "codecs/decimal.h"
#include "document/band_plan.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

int BandChartData::channelsOutside() const
{
    return static_cast<int>(std::count_if(channels.begin(), channels.end(), [](const auto& c) { return c.band < 0; }));
}

BandChartData ReadBandChart(const RadioImage& image, const BandTable& bands)
{
    BandChartData data;
    for (int b = 0; b < BandTable::kRxBands; ++b) {
        BandChartBand band;
        band.band = b;
        band.rxLower = BandPlan::Limit(image, b, BandPlan::kRxLower);
        band.rxUpper = BandPlan::Limit(image, b, BandPlan::kRxUpper);
        if (BandPlan::HasTxColumns(b)) {
            band.txLower = BandPlan::Limit(image, b, BandPlan::kTxLower);
            band.txUpper = BandPlan::Limit(image, b, BandPlan::kTxUpper);
        }
        data.bands.push_back(band);
    }
    for (int n = 1; n <= static_cast<int>(ImageMap::kChannelsPerBank); ++n) {
        const ConstChannelRecord record = ChannelAt(image, n);
        if (!record.hasRx())
            continue;
        const std::uint32_t rx = record.rx();
        data.channels.push_back({n, record.name(), rx, BandIndexOf(bands, rx)});
    }
    return data;
}

double BandChartAxis::x(std::uint32_t freq) const
{
    const double f = std::clamp<double>(freq, kLow, kHigh);
    const double t = std::log(f / kLow) / std::log(double(kHigh) / kLow);
    return m_left + t * (m_right - m_left);
}

std::uint32_t BandChartAxis::freqAt(double x) const
{
    if (m_right <= m_left)
        return kLow;
    const double t = std::clamp((x - m_left) / (m_right - m_left), 0.0, 1.0);
    return static_cast<std::uint32_t>(std::lround(kLow * std::pow(double(kHigh) / kLow, t)));
}

std::vector<int> BandChartAxis::marks(double minSpacing) const
{
    // Candidates from coarse to fine; a finer one joins only where it keeps
    // its distance from every mark already placed.
    static constexpr int kTiers[][10] = {
        {30, 100, 300, 1000},
        {50, 150, 200, 500},
        {40, 60, 80, 250, 400, 700},
    };
    std::vector<int> placed;
    for (const auto& tier : kTiers) {
        for (int mhz : tier) {
            if (mhz == 0)
                break;
            const double at = x(static_cast<std::uint32_t>(mhz) * 100000u);
            const bool fits = std::all_of(placed.begin(), placed.end(), [&](int other) {
                return std::abs(x(static_cast<std::uint32_t>(other) * 100000u) - at) >= minSpacing;
            });
            if (fits)
                placed.push_back(mhz);
        }
    }
    std::sort(placed.begin(), placed.end());
    return placed;
}

std::vector<int> ChannelsNear(const std::vector<BandChartChannel>& channels, const BandChartAxis& axis, double x,
                              double tolerance)
{
    std::vector<std::pair<double, int>> near;
    for (std::size_t i = 0; i < channels.size(); ++i) {
        const double d = std::abs(axis.x(channels[i].rx) - x);
        if (d <= tolerance)
            near.emplace_back(d, static_cast<int>(i));
    }
    std::stable_sort(near.begin(), near.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<int> result;
    result.reserve(near.size());
    for (const auto& n : near)
        result.push_back(n.second);
    return result;
}

QString ChannelTickText(const std::vector<BandChartChannel>& channels, const std::vector<int>& which, int limit)
{
    QStringList lines;
    for (int i : which) {
        if (lines.size() == limit)
            break;
        const BandChartChannel& c = channels[static_cast<std::size_t>(i)];
        QString line = QCoreApplication::translate("BandChart", "Channel %1").arg(c.channel);
        if (!c.name.isEmpty())
            line += QStringLiteral("  ") + c.name;
        line += QStringLiteral("  ") + FormatMHz(c.rx) + QStringLiteral(" MHz");
        lines << line;
    }
    const int more = static_cast<int>(which.size() - static_cast<std::size_t>(lines.size()));
    if (more > 0)
        lines << QCoreApplication::translate("BandChart", "and %1 more").arg(more);
    return lines.join(QLatin1Char('\n'));
}
