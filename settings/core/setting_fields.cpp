#include "settings/core/setting_fields.h"

unsigned ReadBits(const RadioImage& image, BitField field)
{
    return (image[field.offset] & field.mask()) >> field.shift;
}

void WriteBits(RadioImage& image, BitField field, unsigned value)
{
    std::uint8_t& byte = image[field.offset];
    byte = static_cast<std::uint8_t>((byte & ~field.mask()) | ((value << field.shift) & field.mask()));
}

unsigned ReadLe16(const RadioImage& image, std::uint32_t offset)
{
    return image[offset] | (unsigned{image[offset + 1]} << 8);
}

void WriteLe16(RadioImage& image, std::uint32_t offset, unsigned value)
{
    image[offset] = static_cast<std::uint8_t>(value & 0xFF);
    image[offset + 1] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
}
