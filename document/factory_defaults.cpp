#include "document/factory_defaults.h"

#include "codecs/bcd.h"
#include "document/band_table.h"

#include <algorithm>

void WriteDefaultChannelRecord(RadioImage& image, const BandTable& bands, std::uint32_t p, std::uint32_t f)
{
    std::uint8_t* r = image.data() + p;
    std::fill_n(r, ImageMap::kRecordSize, 0xFF);
    if (f != 0)
        EncodeFreq(f, r);
    std::copy_n(r, 4, r + 4);
    r[8] = 0x00;
    r[9] = 0x10; // CTCSS 100.0 Hz
    r[10] = 0x23;
    r[11] = 0x00; // DCS 023
    r[12] = 0xC0;
    r[13] = 0x08;
    r[14] = 0x06;
    r[15] = 0x00;
    r[20] = 0x00;
    r[21] = 0x00;
    int band = BandIndexOf(bands, f);
    if (band == 3)
        r[20] |= 0x10; // airband: AM
    EncodeFreq(band >= 7 ? 760000 : 60000, r + 16);
}

void ApplyBandDefaults(RadioImage& image, const BandTable& bands)
{
    using namespace FactoryDefaults;
    for (std::uint32_t k = 0; k < kBandDefaultFreqs.size(); ++k)
        WriteDefaultChannelRecord(image, bands, ImageMap::kBandStarts + ImageMap::kRecordSize * k,
                                  kBandDefaultFreqs[k]);
    for (std::uint32_t j = 0; j < ImageMap::kBandMemoryCount; ++j) {
        const std::uint32_t block = ImageMap::kBandMemories + ImageMap::kBandMemorySize * j;
        std::copy_n(image.begin() + ImageMap::kWorkingBandMemory, ImageMap::kBandMemorySize, image.begin() + block);
        image[block + kBandIndexA] = static_cast<std::uint8_t>(BandIndexOf(bands, kBandDefaultFreqs[2 * j]));
        image[block + kBandIndexB] = static_cast<std::uint8_t>(BandIndexOf(bands, kBandDefaultFreqs[2 * j + 1]));
    }
}
