// Loads arbitrary bytes as a parameter file, and as the factory defaults.
#include "document/band_table.h"
#include "document/factory_defaults.h"
#include "document/param_file.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {
QTemporaryDir* Dir()
{
    static QTemporaryDir dir;
    return &dir;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString folder = Dir()->path() + QLatin1Char('/');
    for (const char* name : {"f.dat", "Default.dat"}) {
        QFile f(folder + QLatin1String(name));
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        f.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    radioImage().fill(0x11);
    const RadioImage before = radioImage();
    FileResult r = OpenDocumentFile(folder + QStringLiteral("f.dat"));
    // A refused file never changes the document.
    if (!r.ok && radioImage() != before)
        std::abort();
    if (r.ok && !r.warning.isEmpty() && size >= kParamFileSize)
        std::abort();
    LoadDefaults(folder);
    SaveDocumentFileAs(folder + QStringLiteral("out.dat"));
    FileResult again = OpenDocumentFile(folder + QStringLiteral("out.dat"));
    if (!again.ok || !again.warning.isEmpty())
        std::abort();
    bandTable().ResetToFactory();
    return 0;
}
