#include "document/param_file.h"

#include "document/whole_file.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <memory>

QString FileDoesNotMatchText()
{
    return QCoreApplication::translate("ParamFile", "File does not match");
}

QString NoSystemMessageText()
{
    return QCoreApplication::translate("ParamFile", "Sorry, error not find.");
}

namespace {
QString SystemText(const QString& text)
{
    return text.isEmpty() ? NoSystemMessageText() : text;
}
} // namespace

FileResult ReadParamFile(const QString& path, HeaderBlock& header, RadioImage& image, bool checkSignature)
{
    FileResult r;
    // A FIFO or a device would block the open or never end; a folder cannot be read.
    if (IsSpecialFile(path)) {
        r.error = SpecialFileText();
        return r;
    }
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        r.error = SystemText(f.errorString());
        return r;
    }
    // Never more than a parameter file holds, whatever the file's size.
    QByteArray bytes = f.read(static_cast<qint64>(kParamFileSize));
    if (f.error() != QFileDevice::NoError) {
        r.error = SystemText(f.errorString());
        return r;
    }
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData());
    const auto size = static_cast<std::size_t>(bytes.size());
    if (checkSignature && (size < HeaderMap::kSignatureCheckSize || !HasSignature(data))) {
        r.error = FileDoesNotMatchText();
        return r;
    }
    header.fill(kMissingByteFill);
    image.fill(kMissingByteFill);
    std::copy_n(data, std::min(size, kHeaderSize), header.begin());
    if (size > kHeaderSize)
        std::copy_n(data + kHeaderSize, size - kHeaderSize, image.begin());
    if (size < kParamFileSize) {
        r.warning = QCoreApplication::translate("ParamFile",
                                                "The file is incomplete: it holds %1 of %2 bytes. The missing %3 bytes "
                                                "were filled with FF (empty memory).")
                        .arg(size)
                        .arg(kParamFileSize)
                        .arg(kParamFileSize - size);
    }
    r.ok = true;
    return r;
}

FileResult WriteParamFile(const QString& path, const HeaderBlock& header, const RadioImage& image)
{
    FileResult r;
    const QString error = SaveWholeFile(path, [&](QIODevice& out) {
        return WriteAll(out, reinterpret_cast<const char*>(header.data()), static_cast<qint64>(header.size())) &&
               WriteAll(out, reinterpret_cast<const char*>(image.data()), static_cast<qint64>(image.size()));
    });
    if (!error.isEmpty()) {
        r.error = SystemText(error);
        return r;
    }
    r.ok = true;
    return r;
}
