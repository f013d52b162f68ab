#pragma once

#include "document/document.h"

// Lets a test arrange bytes the way a file or a radio would put them there,
// without recording a change.
struct DocumentTestAccess {
    static RadioImage& image(Document& doc) { return *doc.m_image; }
    static HeaderBlock& header(Document& doc) { return *doc.m_header; }
};

// The document of a test program whose views are made without a main window.
inline Document& TestDocument()
{
    static Document doc;
    return doc;
}
inline RadioImage& TestImage()
{
    return DocumentTestAccess::image(TestDocument());
}
inline HeaderBlock& TestHeader()
{
    return DocumentTestAccess::header(TestDocument());
}
inline BandTable& TestBands()
{
    return TestDocument().bands();
}
