#pragma once

#include <cstdint>

// The radio's tone generators take 2*cos(2*pi*f/8000) in units of 2^-14
// rather than a frequency. tenths: the tone in tenths of a hertz.
std::uint16_t ToneCoefficient(std::uint16_t tenths);
