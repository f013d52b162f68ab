#include "document/radio_image.h"

#include <algorithm>

bool HasSignature(const std::uint8_t* first8)
{
    return std::equal(first8, first8 + HeaderMap::kSignatureCheckSize, HeaderMap::kSignature.begin());
}

void WriteSignature(HeaderBlock& header)
{
    std::copy(HeaderMap::kSignature.begin(), HeaderMap::kSignature.end(), header.begin());
}
