#pragma once

#include "document/band_table.h"
#include "document/radio_image.h"

#include <QString>

#include <cstdint>
#include <vector>

// What the band chart draws: the band plan as the image holds it and the
// channels of the table placed in their receive bands. Frequencies in 10 Hz
// units; 0 is an absent limit.
struct BandChartBand {
    int band = 0;
    std::uint32_t rxLower = 0, rxUpper = 0, txLower = 0, txUpper = 0;

    bool hasRx() const { return rxLower != 0 && rxUpper >= rxLower; }
    bool hasTx() const { return txLower != 0 && txUpper >= txLower; }
};

struct BandChartChannel {
    int channel = 0; // 1..800
    QString name;
    std::uint32_t rx = 0;
    int band = -1; // receive band by the current limits; -1 in none
};

struct BandChartData {
    std::vector<BandChartBand> bands;       // one per receive band, in band order
    std::vector<BandChartChannel> channels; // present channels by number
    int channelsOutside() const;
};

BandChartData ReadBandChart(const RadioImage& image, const BandTable& bands);

// A logarithmic frequency axis over [low, high] mapped onto [left, right]
// pixels: the short HF bands stay as readable as the UHF ones.
class BandChartAxis {
public:
    static constexpr std::uint32_t kLow = 2500000;    // 25 MHz
    static constexpr std::uint32_t kHigh = 100000000; // 1000 MHz

    BandChartAxis(double left, double right) : m_left(left), m_right(right) {}

    double x(std::uint32_t freq) const;
    std::uint32_t freqAt(double x) const;
    // Scale marks, in MHz, that fit the width at the given spacing.
    std::vector<int> marks(double minSpacing) const;

private:
    double m_left, m_right;
};

// Indexes of the channels whose ticks lie within tolerance pixels of x,
// nearest first.
std::vector<int> ChannelsNear(const std::vector<BandChartChannel>& channels, const BandChartAxis& axis, double x,
                              double tolerance);

// "Channel 12  REPEAT  145.50000 MHz"; several channels one per line, at
// most limit of them, then "and N more".
QString ChannelTickText(const std::vector<BandChartChannel>& channels, const std::vector<int>& which, int limit);
