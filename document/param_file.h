#pragma once

#include "document/radio_image.h"

#include <QString>

// Parameter files (.dat): the header block followed by the image.
struct FileResult {
    bool ok = false;
    QString error;   // why it failed, for a message box
    QString warning; // something the user should know although it worked
};

// Bytes a short file lacks are taken as erased memory: 0xFF, as a blank radio
// holds, which every reader takes as "absent".
inline constexpr std::uint8_t kMissingByteFill = 0xFF;

// Reads a file into the given buffers (not the document). With the check, a
// file whose first eight bytes are not the signature is refused.
FileResult ReadParamFile(const QString& path, HeaderBlock& header, RadioImage& image, bool checkSignature);
// Writes header and image through a temporary file renamed over the target,
// so a failed save never leaves a truncated file where the good one was.
FileResult WriteParamFile(const QString& path, const HeaderBlock& header, const RadioImage& image);

QString FileDoesNotMatchText();
QString NoSystemMessageText();
