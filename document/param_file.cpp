#include "document/param_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

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
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly)) {
        r.error = SystemText(f.errorString());
        return r;
    }
    f.write(reinterpret_cast<const char*>(header.data()), static_cast<qint64>(header.size()));
    f.write(reinterpret_cast<const char*>(image.data()), static_cast<qint64>(image.size()));
    if (!f.commit()) {
        r.error = SystemText(f.errorString());
        return r;
    }
    r.ok = true;
    return r;
}
