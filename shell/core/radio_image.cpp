#include "shell/core/radio_image.h"

#include <algorithm>

RadioImage& radioImage()
{
    static RadioImage image{};
    return image;
}

HeaderBlock& headerBlock()
{
    static HeaderBlock header{};
    return header;
}

bool HasSignature(const std::uint8_t* first8)
{
    return std::equal(first8, first8 + HeaderMap::kSignatureCheckSize, HeaderMap::kSignature.begin());
}

void WriteSignature(HeaderBlock& header)
{
    std::copy(HeaderMap::kSignature.begin(), HeaderMap::kSignature.end(), header.begin());
}
