// Imports arbitrary text as a CHIRP channel list, by Location and from a
// first channel: the import ends, its report stays short, and an import
// that takes no row changes no byte.
#include "channels/core/chirp_csv.h"
#include "document/band_table.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > static_cast<std::size_t>(kCsvMaxBytes))
        return 0; // refused before it is read
    const QByteArray text(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const BandTable bands = BandTable::factory();
    for (const int first : {0, 1, 799}) {
        auto image = std::make_unique<RadioImage>();
        image->fill(0xFF);
        const auto before = std::make_unique<RadioImage>(*image);
        CsvImportOptions options;
        options.firstChannel = first;
        const CsvImportResult r = ImportChirpCsv(text, bands, *image, options);
        if (!r.ok && *image != *before)
            std::abort(); // refused as a whole, yet written
        if (r.ok && r.taken == 0 && *image != *before)
            std::abort();
        for (const CsvIssue& issue : r.issues)
            if (issue.value.size() > 41)
                std::abort();
        if (r.ok) {
            // What was taken exports and imports again without trouble.
            std::vector<int> channels(800);
            for (int n = 1; n <= 800; ++n)
                channels[static_cast<std::size_t>(n - 1)] = n;
            auto again = std::make_unique<RadioImage>();
            again->fill(0xFF);
            if (!ImportChirpCsv(ExportChirpCsv(*image, channels), bands, *again, {}).ok)
                std::abort();
        }
    }
    return 0;
}
