// SPDX-License-Identifier: GPL-3.0-or-later
#include "ssb/SsbSineTables.h"

#include "core/ExactSine.h"
#include "core/modMain.h"

#include <map>
#include <utility>

namespace {

// Keyed by frequency and by the value of pi in use. The window offers three modulating
// frequencies, so at most seven tables (about 2 MB) are ever kept; an unexpected stream of
// new frequencies starts the collection afresh instead of growing it.
constexpr std::size_t MostTablesKept = 8;
std::map<std::pair<double, float>, SineTable> tables;

SineTable computeSineTable(double kHz)
{
    auto sines = std::make_shared<std::vector<double>>();
    sines->reserve(40019);
    // The same single-precision time count as the trace itself.
    for (float stepTime = 0; stepTime <= 2; stepTime += 0.00005f) {
        const double t = stepTime;
        sines->push_back(exactSin(2.0 * t * double(modMain::Pi) * kHz));
    }
    return sines;
}

}

SineTable ssbSineTable(double kHz)
{
    const std::pair<double, float> key { kHz, modMain::Pi };
    if (const auto kept = tables.find(key); kept != tables.end())
        return kept->second;
    if (tables.size() >= MostTablesKept)
        tables.clear();
    return tables.emplace(key, computeSineTable(kHz)).first->second;
}

bool computeMissingSsbSineTable()
{
    for (double kHz : { 500.0, 501.0, 499.0, 502.0, 498.0, 503.0, 497.0 })
        if (!tables.contains({ kHz, modMain::Pi })) {
            ssbSineTable(kHz);
            return true;
        }
    return false;
}

std::size_t keptSsbSineTables()
{
    return tables.size();
}

void forgetSsbSineTables()
{
    tables.clear();
}
