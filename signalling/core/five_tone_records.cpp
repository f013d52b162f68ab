#include "signalling/core/five_tone_records.h"

#include "document/five_tone_table.h"
#include "document/image_fields.h"
#include "signalling/core/code_text.h"

#include <algorithm>

namespace {
constexpr int kAliasSize = 6;
constexpr int kMessageSize = 16;
constexpr int kNameSize = 6;

// Contact record bytes.
constexpr std::uint32_t kContactCode = 0;
constexpr std::uint32_t kContactAlias = 8;
constexpr std::uint32_t kContactCodeType = 15;
constexpr std::uint32_t kContactMessage = 16;
// Function record bytes.
constexpr std::uint32_t kFunctionId = 0;
constexpr std::uint32_t kFunctionName = 8;
constexpr std::uint32_t kFunctionResponse = 14;
constexpr std::uint32_t kFunctionType = 15;

std::uint8_t* Entry(HeaderBlock& header, int k)
{
    return header.data() + FiveTone::StandardOffset(k);
}
const std::uint8_t* Entry(const HeaderBlock& header, int k)
{
    return header.data() + FiveTone::StandardOffset(k);
}
} // namespace

FiveToneContact ReadFiveToneContact(const RadioImage& image, int n)
{
    const std::uint8_t* r = image.data() + FiveToneMap::ContactOffset(n);
    FiveToneContact c;
    c.code = ReadCodeDigits(r + kContactCode, FiveToneMap::kCodeDigits);
    c.alias = ReadImageText(r + kContactAlias, kAliasSize);
    c.codeType = r[kContactCodeType];
    c.message = ReadImageText(r + kContactMessage, kMessageSize);
    return c;
}

void WriteFiveToneContact(RadioImage& image, int n, const FiveToneContact& contact)
{
    std::uint8_t* r = image.data() + FiveToneMap::ContactOffset(n);
    WriteImageText(r + kContactAlias, kAliasSize, contact.alias);
    WriteCodeDigits(r + kContactCode, FiveToneMap::kCodeDigits, contact.code);
    r[kContactCodeType] = static_cast<std::uint8_t>(contact.codeType);
    WriteImageText(r + kContactMessage, kMessageSize, contact.message);
}

FiveToneFunction ReadFiveToneFunction(const RadioImage& image, int n)
{
    const std::uint8_t* r = image.data() + FiveToneMap::FunctionOffset(n);
    FiveToneFunction f;
    f.id = ReadCodeDigits(r + kFunctionId, FiveToneMap::kCodeDigits);
    f.name = ReadImageText(r + kFunctionName, kNameSize);
    f.response = r[kFunctionResponse];
    f.type = r[kFunctionType];
    return f;
}

void WriteFiveToneFunction(RadioImage& image, int n, const FiveToneFunction& function)
{
    std::uint8_t* r = image.data() + FiveToneMap::FunctionOffset(n);
    r[kFunctionType] = static_cast<std::uint8_t>(function.type);
    r[kFunctionResponse] = static_cast<std::uint8_t>(function.response);
    WriteCodeDigits(r + kFunctionId, FiveToneMap::kCodeDigits, function.id);
    WriteImageText(r + kFunctionName, kNameSize, function.name);
}

int TakeImageStandard(const RadioImage& image, HeaderBlock& header)
{
    const std::uint8_t* record = image.data() + FiveToneMap::kStandard;
    int k = record[FiveToneMap::kStdIndex];
    if (k >= FiveTone::kStandardCount)
        k = 0;
    const std::size_t bytes = k == FiveTone::kUserStandard ? FiveTone::kRecordSize : FiveToneMap::kStdHeadSize;
    std::copy_n(record, bytes, Entry(header, k));
    return k;
}

void StoreStandardEntry(HeaderBlock& header, int k, int width, const SpecialTones& tones,
                        const std::array<std::uint16_t, 16>* digitTones)
{
    std::uint8_t* e = Entry(header, k);
    // The entry names its own standard, so the record copied into the image
    // always says which standard it is, whatever the table held before.
    e[FiveToneMap::kStdIndex] = static_cast<std::uint8_t>(k);
    e[FiveToneMap::kStdWidth] = static_cast<std::uint8_t>(width);
    e[FiveToneMap::kStdGroup] = static_cast<std::uint8_t>(tones.group);
    e[FiveToneMap::kStdRepeat] = static_cast<std::uint8_t>(tones.repeat);
    e[FiveToneMap::kStdDelimiter] = static_cast<std::uint8_t>(tones.delimiter);
    if (!digitTones || k != FiveTone::kUserStandard)
        return; // built-in tones come from the built-in table only
    std::uint8_t* t = e + FiveTone::kTonesOffset;
    for (std::uint16_t tone : *digitTones) {
        *t++ = static_cast<std::uint8_t>(tone & 0xFF);
        *t++ = static_cast<std::uint8_t>(tone >> 8);
    }
}

void PutStandardIntoImage(const HeaderBlock& header, int k, RadioImage& image)
{
    std::copy_n(Entry(header, k), FiveTone::kRecordSize, image.data() + FiveToneMap::kStandard);
}

std::uint16_t StandardTone(const HeaderBlock& header, int k, int digit)
{
    return ReadWord(Entry(header, k) + FiveTone::kTonesOffset + 2 * static_cast<std::size_t>(digit));
}

SpecialTones KeepSpecialTonesDistinct(SpecialTones tones, int changed)
{
    std::array<int*, 3> v = {&tones.group, &tones.repeat, &tones.delimiter};
    const int letter = *v[static_cast<std::size_t>(changed)];
    if (letter == 0)
        return tones; // "None" clashes with nothing
    for (int i = 0; i < 3; ++i) {
        if (i == changed || *v[static_cast<std::size_t>(i)] != letter)
            continue;
        int free = 10;
        for (int c = 10; c <= 15; ++c)
            if (std::none_of(v.begin(), v.end(), [c](const int* p) { return *p == c; })) {
                free = c;
                break;
            }
        *v[static_cast<std::size_t>(i)] = free;
    }
    return tones;
}
