#pragma once

#include "document/band_table.h"
#include "document/document_delta.h"
#include "document/param_file.h"
#include "document/radio_image.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <memory>

// The radio data being edited: the image, the header block that precedes it
// in a parameter file, the band limits derived from the band plan, and the
// file it belongs to. Every change goes through a Change, which compares the
// bytes when it ends, so the revision counts real changes and nothing else.
class Document : public QObject {
    Q_OBJECT
public:
    class Change;
    class Step;

    explicit Document(QObject* parent = nullptr);
    ~Document() override;

    const RadioImage& image() const { return *m_image; }
    const HeaderBlock& header() const { return *m_header; }
    // The band flags are also set by the views' rules (the channel table
    // enables bands from the plan as it loads, the band plan dialog derives
    // its own transmit bands), so they are writable.
    const BandTable& bands() const { return m_bands; }
    BandTable& bands() { return m_bands; }

    // The parameter file the document was opened from or saved to; empty when new.
    const QString& path() const { return m_path; }
    void setPath(const QString& path) { m_path = path; }

    // Grows by one with every change that altered a byte.
    std::uint64_t revision() const { return m_revision; }

    // Modified: the bytes differ from those of the point last marked
    // unmodified (a file opened or saved, a radio read, a new document), so
    // undoing back to that point, or typing the old value again, clears it.
    bool isModified() const { return m_modified; }
    void markUnmodified();
    // Modified until the next markUnmodified, whatever the bytes (a document
    // recovered from a crash has no file that holds it).
    void markModified();

    // Puts a recorded change back (forward false) or does it again, as a
    // change of its own that is not recorded again.
    void applyDelta(const DocumentDelta& delta, bool forward);

    // Opens a change: bytes are written in place, and when the last open
    // change ends the document compares, counts and tells.
    Change change();
    // Opens one user action (a committed cell, a dialog's store): the changes
    // made while it is open form one step of the history, named by text.
    // Nested steps join the outermost one.
    Step step(const QString& text);
    bool inStep() const { return m_openSteps > 0; }

    // New: "Default.dat" of the program folder with the band defaults applied.
    // A file that cannot be read leaves the bytes as they were; the built-in
    // five-tone tones are refreshed either way. The band limits stay.
    FileResult newFromDefaults(const QString& programFolder);
    // Open: the document takes the file only when it could be read and
    // carries the signature; the band limits then follow its band plan.
    FileResult open(const QString& path);
    // Save to path(), header and image as they stand.
    FileResult save();
    // Save As: the signature goes into the header, which keeps it only when
    // the file was written; the path follows.
    FileResult saveAs(const QString& path);

    // The band limits from the image's band plan. Runs by itself when a
    // change touches the band plan, and after a read and an open.
    void deriveBandLimits();

    // Takes the other document's bytes, band limits and path, for work on a
    // copy (a printout loads views that may mend what they show). Recorded
    // and counted as a change like any other; the modified mark follows.
    void copyFrom(const Document& other);

signals:
    // Image bytes [first, last) changed; first == last when only the header did.
    void changed(std::uint32_t first, std::uint32_t last);
    // The bytes a change altered, for a history of changes; not sent for
    // applyDelta itself.
    void changeRecorded(const DocumentDelta& delta);
    void modifiedChanged(bool modified);
    // The outermost step opened and closed.
    void stepStarted(const QString& text);
    void stepFinished();

private:
    friend struct DocumentTestAccess;
    void beginChange();
    void endChange();
    void replace(const HeaderBlock& header, const RadioImage& image);
    void setModified(bool modified);

    std::unique_ptr<RadioImage> m_image;
    std::unique_ptr<HeaderBlock> m_header;
    BandTable m_bands = BandTable::factory();
    QString m_path;
    std::uint64_t m_revision = 0;
    bool m_modified = false;
    int m_openSteps = 0;
    // The bytes of the point last marked unmodified; null when modified regardless.
    std::unique_ptr<RadioImage> m_savedImage;
    std::unique_ptr<HeaderBlock> m_savedHeader;
    bool m_recording = true;
    // What the outermost open change started from.
    int m_openChanges = 0;
    std::unique_ptr<RadioImage> m_imageBefore;
    std::unique_ptr<HeaderBlock> m_headerBefore;
    bool m_deriveOnChange = true;
};

// A scope in which the document's bytes may be written. Nested changes join
// the outermost one.
class Document::Change {
public:
    ~Change() { m_doc.endChange(); }
    Change(const Change&) = delete;
    Change& operator=(const Change&) = delete;

    RadioImage& image() { return *m_doc.m_image; }
    HeaderBlock& header() { return *m_doc.m_header; }
    std::uint8_t& operator[](std::size_t at) { return (*m_doc.m_image)[at]; }

private:
    friend class Document;
    explicit Change(Document& doc) : m_doc(doc) { m_doc.beginChange(); }

    Document& m_doc;
};

class Document::Step {
public:
    ~Step()
    {
        if (--m_doc.m_openSteps == 0)
            emit m_doc.stepFinished();
    }
    Step(const Step&) = delete;
    Step& operator=(const Step&) = delete;

private:
    friend class Document;
    Step(Document& doc, const QString& text) : m_doc(doc)
    {
        if (m_doc.m_openSteps++ == 0)
            emit m_doc.stepStarted(text);
    }

    Document& m_doc;
};
