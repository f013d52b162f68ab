// Times a CHIRP CSV export of all 800 channels of bank A and the import of
// that file back into an erased image (rows, rules and the consistency pass).
// Prints the median of several runs; it passes or fails nothing.
#include "bench/bench_timing.h"
#include "channels/core/channel_record.h"
#include "channels/core/chirp_csv.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <numeric>
#include <vector>

namespace {

constexpr int kRuns = 21;

// Every kind of row the format carries: repeaters both ways, split,
// receive only, the three squelch types, airband AM, the 850M band.
void FillChannels(const BandTable& bands, RadioImage& image)
{
    image.fill(0xFF);
    const std::uint32_t bases[] = {14400000, 43000000, 11800000, 85100000};
    for (int n = 1; n <= 800; ++n) {
        const std::uint32_t rx = bases[n % 4] + static_cast<std::uint32_t>(n / 4) * 1250;
        NewChannelRecord(bands, image, n, rx);
        const ChannelRecord r = ChannelAt(image, n);
        r.setName(QStringLiteral("CH%1").arg(n, 3, 10, QLatin1Char('0')));
        r.set(ChannelLayout::kDecodeType, static_cast<unsigned>(n % 4));
        r.set(ChannelLayout::kScan, static_cast<unsigned>(n % 3));
        r.set(ChannelLayout::kTxPower, static_cast<unsigned>(n % 4));
        if (n % 4 == 0 && n % 3 == 0) {
            r.setTx(rx - 60000);
            r.set(ChannelLayout::kOffsetDirection, OffsetDirection::kMinus);
        } else if (n % 4 == 1 && n % 3 == 0) {
            r.setTx(rx - 500000);
            r.set(ChannelLayout::kOffsetDirection, OffsetDirection::kFree);
        } else if (n % 4 == 1 && n % 3 == 1 && n > 1) { // channel 1 must transmit
            r.setTx(0);
            r.set(ChannelLayout::kOffsetDirection, OffsetDirection::kFree);
        }
    }
}

} // namespace

int main()
{
    const BandTable bands = BandTable::factory();
    auto source = std::make_unique<RadioImage>();
    FillChannels(bands, *source);
    std::vector<int> channels(800);
    std::iota(channels.begin(), channels.end(), 1);

    QByteArray csv;
    const double exportMs = MedianMs(kRuns, [&] { csv = ExportChirpCsv(*source, channels); });

    auto target = std::make_unique<RadioImage>();
    CsvImportResult result;
    const double importMs = MedianMs(kRuns, [&] {
        target->fill(0xFF);
        result = ImportChirpCsv(csv, bands, *target, {});
    });

    std::printf("CSV of 800 channels: %lld bytes\n", static_cast<long long>(csv.size()));
    std::printf("export 800 channels: %.2f ms (median of %d)\n", exportMs, kRuns);
    std::printf("import 800 rows:     %.2f ms (median of %d), %d taken, %zu notes\n", importMs, kRuns, result.taken,
                result.issues.size());
    return 0;
}
