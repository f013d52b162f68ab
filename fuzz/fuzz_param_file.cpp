// Loads arbitrary bytes as a parameter file, and as the factory defaults.
#include "document/document.h"
#include "tests/support/test_document.h"

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
    Document doc;
    DocumentTestAccess::image(doc).fill(0x11);
    const RadioImage before = doc.image();
    FileResult r = doc.open(folder + QStringLiteral("f.dat"));
    // A refused file never changes the document.
    if (!r.ok && doc.image() != before)
        std::abort();
    if (r.ok && !r.warning.isEmpty() && size >= kParamFileSize)
        std::abort();
    doc.newFromDefaults(folder);
    doc.saveAs(folder + QStringLiteral("out.dat"));
    FileResult again = doc.open(folder + QStringLiteral("out.dat"));
    if (!again.ok || !again.warning.isEmpty())
        std::abort();
    return 0;
}
