#include "codecs/tone_coefficient.h"

#include <cmath>

std::uint16_t ToneCoefficient(std::uint16_t tenths)
{
    // Truncated toward zero and kept to 16 bits as the radio stores it: a tone
    // of 0 (none) gives 32768, which wraps to 0x8000.
    double c = 32768.0 * std::cos(tenths * 0.000078539815) + 0.5;
    return static_cast<std::uint16_t>(static_cast<std::int32_t>(c));
}
