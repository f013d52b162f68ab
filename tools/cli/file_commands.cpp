#include "tools/cli/commands.h"

#include "document/document.h"
#include "document/whole_file.h"

#include "codecs/bcd.h"
#include "codecs/decimal.h"
#include "document/band_plan.h"
#include "document/band_table.h"
#include "document/factory_defaults.h"
#include "document/param_file.h"
#include "document/radio_image.h"
#include "radio/core/model_info.h"

#include <cstdio>
#include <memory>

struct CliDocument {
    HeaderBlock header{};
    RadioImage image{};
};

bool CliLoad(const QString& path, CliDocument& doc)
{
    FileResult r = ReadParamFile(path, doc.header, doc.image, true);
    if (!r.ok) {
        std::fprintf(stderr, "programmer-cli: %s: %s\n", qPrintable(path), qPrintable(r.error));
        return false;
    }
    if (!r.warning.isEmpty())
        std::fprintf(stderr, "programmer-cli: %s: %s\n", qPrintable(path), qPrintable(r.warning));
    return true;
}

bool RefusedOutput(const QString& path)
{
    if (!IsSpecialFile(path))
        return false;
    std::fprintf(stderr, "programmer-cli: %s: %s\n", qPrintable(path), qPrintable(SpecialFileText()));
    return true;
}

int CliNew(const ProgramPaths& paths, const QStringList& args)
{
    if (args.size() != 1) {
        std::fputs("usage: programmer-cli new OUT.dat\n", stderr);
        return kExitUsage;
    }
    if (RefusedOutput(args[0]))
        return kExitFailure;
    Document doc;
    FileResult d = doc.newFromDefaults(paths.resources);
    if (!d.ok) {
        std::fprintf(stderr, "programmer-cli: cannot read the factory defaults %sDefault.dat: %s\n",
                     qPrintable(paths.resources), qPrintable(d.error));
        return kExitFailure;
    }
    if (!d.warning.isEmpty())
        std::fprintf(stderr, "programmer-cli: Default.dat: %s\n", qPrintable(d.warning));
    FileResult r = doc.saveAs(args[0]);
    if (!r.ok) {
        std::fprintf(stderr, "programmer-cli: %s: %s\n", qPrintable(args[0]), qPrintable(r.error));
        return kExitFailure;
    }
    return 0;
}

namespace {

QString LimitText(const RadioImage& image, int band, std::uint32_t field)
{
    std::uint32_t v = BandPlan::Limit(image, band, field);
    return v == 0 ? QStringLiteral("-") : FormatMHz(v);
}

int CountChannels(const RadioImage& image, std::uint32_t first)
{
    int n = 0;
    for (std::uint32_t ch = first; ch < first + ImageMap::kChannelsPerBank; ++ch)
        if (!IsFreqAbsent(image.data() + ImageMap::ChannelOffset(ch)))
            ++n;
    return n;
}

} // namespace

int CliInfo(const QStringList& args)
{
    if (args.size() != 1) {
        std::fputs("usage: programmer-cli info FILE.dat\n", stderr);
        return kExitUsage;
    }
    auto doc = std::make_unique<CliDocument>();
    if (!CliLoad(args[0], *doc))
        return kExitFailure;
    const RadioImage& m = doc->image;
    ModelIdentity id = ReadModelIdentity(m);
    std::printf("File:              %s\n", qPrintable(args[0]));
    std::printf("Signature:         OK\n");
    std::printf("Serial number:     %s\n", qPrintable(id.serial));
    std::printf("Model name:        %s\n", qPrintable(id.modelName));
    std::printf("Model code:        %s\n", qPrintable(id.modelCode));
    std::printf("Firmware version:  %s\n", qPrintable(id.firmware));
    std::printf("Last program date: %s\n", qPrintable(id.lastProgramDate));
    std::printf("Band plan (MHz):\n");
    std::printf("  %-5s %-10s %-10s %-10s %-10s\n", "Band", "Rx Lower", "Rx Upper", "Tx Lower", "Tx Upper");
    for (int b = 0; b < BandTable::kRxBands; ++b)
        std::printf("  %-5s %-10s %-10s %-10s %-10s\n", kRxBandNames[static_cast<std::size_t>(b)],
                    qPrintable(LimitText(m, b, BandPlan::kRxLower)), qPrintable(LimitText(m, b, BandPlan::kRxUpper)),
                    qPrintable(LimitText(m, b, BandPlan::kTxLower)), qPrintable(LimitText(m, b, BandPlan::kTxUpper)));
    std::printf("Channels present:  bank A %d, bank B %d\n", CountChannels(m, 1),
                CountChannels(m, ImageMap::kChannelsPerBank + 1));
    return 0;
}

namespace {
bool ParseAddress(const QString& text, unsigned& out)
{
    bool ok = false;
    unsigned v =
        text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive) ? text.mid(2).toUInt(&ok, 16) : text.toUInt(&ok, 10);
    if (!ok || v > kImageSize)
        return false;
    out = v;
    return true;
}
} // namespace

int CliDump(const QStringList& args)
{
    unsigned start = 0, end = 0;
    if (args.size() != 3) {
        std::fputs("usage: programmer-cli dump FILE.dat START END\n", stderr);
        return kExitUsage;
    }
    if (!ParseAddress(args[1], start) || !ParseAddress(args[2], end) || start > end) {
        std::fprintf(stderr,
                     "programmer-cli: the range [%s, %s) is not a range of image addresses "
                     "(0 to 0x10000, START <= END)\n",
                     qPrintable(args[1]), qPrintable(args[2]));
        return kExitUsage;
    }
    auto doc = std::make_unique<CliDocument>();
    if (!CliLoad(args[0], *doc))
        return kExitFailure;
    for (unsigned line = start; line < end; line += 16) {
        std::printf("%04X:", line);
        for (unsigned a = line; a < end && a < line + 16; ++a)
            std::printf(" %02X", doc->image[a]);
        std::printf("\n");
    }
    return 0;
}
