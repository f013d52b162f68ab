#pragma once

#include "document/band_plan.h"
#include "document/band_table.h"
#include "tests/support/test_document.h"

#include <algorithm>
#include <initializer_list>

// Only these receive bands in the plan; the others cleared as the band plan
// dialog clears them.
inline void OnlyBands(std::initializer_list<int> bands)
{
    BandTable& t = TestBands();
    for (int b = 0; b < BandTable::kRxBands; ++b) {
        const auto i = static_cast<std::size_t>(b);
        const bool keep = std::find(bands.begin(), bands.end(), b) != bands.end();
        t.bandEnabled[i] = keep;
        if (!keep)
            t.rxLower[i] = t.rxUpper[i] = 0;
    }
    DeriveTxEnabled(t);
}
