#include "document/document.h"

#include "document/band_plan.h"
#include "document/factory_defaults.h"
#include "document/five_tone_table.h"

#include <QMetaMethod>

#include <algorithm>

namespace {
struct Span {
    std::uint32_t first = 0;
    std::uint32_t last = 0;
};

// The smallest range holding every byte that differs.
Span Differing(const RadioImage& a, const RadioImage& b)
{
    auto [i, j] = std::mismatch(a.begin(), a.end(), b.begin());
    if (i == a.end())
        return {};
    auto ri = std::mismatch(a.rbegin(), a.rend(), b.rbegin());
    return {static_cast<std::uint32_t>(i - a.begin()), static_cast<std::uint32_t>(a.rend() - ri.first)};
}

bool Touches(Span s, std::uint32_t first, std::uint32_t last)
{
    return s.first < last && first < s.last;
}
} // namespace

Document::Document(QObject* parent)
    : QObject(parent), m_image(std::make_unique<RadioImage>()), m_header(std::make_unique<HeaderBlock>())
{
    m_image->fill(0);
    m_header->fill(0);
    m_savedImage = std::make_unique<RadioImage>(*m_image);
    m_savedHeader = std::make_unique<HeaderBlock>(*m_header);
}

Document::~Document() = default;

Document::Change Document::change()
{
    return Change(*this);
}

Document::Step Document::step(const QString& text)
{
    return Step(*this, text);
}

void Document::beginChange()
{
    if (m_openChanges++ > 0)
        return;
    m_imageBefore = std::make_unique<RadioImage>(*m_image);
    m_headerBefore = std::make_unique<HeaderBlock>(*m_header);
}

void Document::endChange()
{
    if (--m_openChanges > 0)
        return;
    const Span span = Differing(*m_imageBefore, *m_image);
    const bool headerChanged = *m_headerBefore != *m_header;
    if (span.first == span.last && !headerChanged) {
        m_imageBefore.reset();
        m_headerBefore.reset();
        return;
    }
    DocumentDelta delta;
    if (m_recording && isSignalConnected(QMetaMethod::fromSignal(&Document::changeRecorded))) {
        delta.image = DifferingRuns(*m_imageBefore, *m_image);
        delta.header = DifferingRuns(*m_headerBefore, *m_header);
    }
    m_imageBefore.reset();
    m_headerBefore.reset();
    ++m_revision;
    if (m_deriveOnChange &&
        Touches(span, ImageMap::kBandPlan, ImageMap::kBandPlan + BandPlan::kRecordSize * BandTable::kRxBands))
        deriveBandLimits();
    emit changed(span.first, span.last);
    if (!delta.isEmpty())
        emit changeRecorded(delta);
    setModified(!m_savedImage || *m_image != *m_savedImage || *m_header != *m_savedHeader);
}

void Document::setModified(bool modified)
{
    if (modified == m_modified)
        return;
    m_modified = modified;
    emit modifiedChanged(modified);
}

void Document::markUnmodified()
{
    m_savedImage = std::make_unique<RadioImage>(*m_image);
    m_savedHeader = std::make_unique<HeaderBlock>(*m_header);
    setModified(false);
}

void Document::markModified()
{
    m_savedImage.reset();
    m_savedHeader.reset();
    setModified(true);
}

void Document::applyDelta(const DocumentDelta& delta, bool forward)
{
    m_recording = false;
    {
        Change c = change();
        ApplyRuns(delta.image, c.image(), forward);
        ApplyRuns(delta.header, c.header(), forward);
    }
    m_recording = true;
}

void Document::replace(const HeaderBlock& header, const RadioImage& image)
{
    Change c = change();
    c.header() = header;
    c.image() = image;
}

void Document::copyFrom(const Document& other)
{
    replace(*other.m_header, *other.m_image);
    m_bands = other.m_bands;
    m_path = other.m_path;
}

void Document::deriveBandLimits()
{
    DecodeBandPlan(*m_image, m_bands);
}

FileResult Document::newFromDefaults(const QString& programFolder)
{
    auto header = std::make_unique<HeaderBlock>(*m_header);
    auto image = std::make_unique<RadioImage>(*m_image);
    FileResult r = ReadParamFile(programFolder + QStringLiteral("Default.dat"), *header, *image, false);
    if (!r.ok) {
        // The bytes stay, but the tones are refreshed all the same.
        *header = *m_header;
        *image = *m_image;
    } else {
        ApplyBandDefaults(*image, m_bands);
    }
    RefreshStandardTones(*header);
    // New keeps the band limits as they are.
    m_deriveOnChange = false;
    replace(*header, *image);
    m_deriveOnChange = true;
    markUnmodified();
    return r;
}

FileResult Document::open(const QString& path)
{
    // Scratch buffers: a refused or failed file leaves the document as it was.
    auto header = std::make_unique<HeaderBlock>();
    auto image = std::make_unique<RadioImage>();
    FileResult r = ReadParamFile(path, *header, *image, true);
    if (!r.ok)
        return r;
    RefreshStandardTones(*header);
    replace(*header, *image);
    deriveBandLimits();
    m_path = path;
    markUnmodified();
    return r;
}

FileResult Document::save()
{
    FileResult r = WriteParamFile(m_path, *m_header, *m_image);
    if (r.ok)
        markUnmodified();
    return r;
}

FileResult Document::saveAs(const QString& path)
{
    auto header = std::make_unique<HeaderBlock>(*m_header);
    WriteSignature(*header);
    FileResult r = WriteParamFile(path, *header, *m_image);
    if (r.ok) {
        // What the file now says, not an edit.
        *m_header = *header;
        m_path = path;
        markUnmodified();
    }
    return r;
}
