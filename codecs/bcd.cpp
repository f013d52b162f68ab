#include "codecs/bcd.h"

void EncodeFreq(std::uint32_t v, std::uint8_t* out)
{
    out[0] = ToBcd(v % 100);
    out[1] = ToBcd(v / 100 % 100);
    out[2] = ToBcd(v / 10000 % 100);
    out[3] = ToBcd(v / 1000000 % 100);
}

std::uint32_t DecodeFreq(const std::uint8_t* in)
{
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = v * 100 + FromBcd(in[i]);
    return v;
}

void EncodeBcd2(unsigned v, std::uint8_t* out)
{
    out[0] = ToBcd(v % 100);
    out[1] = ToBcd(v / 100 % 100);
}

unsigned DecodeBcd2(const std::uint8_t* in)
{
    return FromBcd(in[1]) * 100 + FromBcd(in[0]);
}
