// SPDX-License-Identifier: GPL-3.0-or-later
#include "am/AmAudioSines.h"

#include "core/CarrierSine.h"
#include "core/ExactSine.h"
#include "core/modMain.h"

#include <map>
#include <utility>

namespace {

// Keyed by audio frequency and by the value of pi in use. The window offers three audio
// frequencies (about 290 kB a table); an unexpected stream of new ones starts the
// collection afresh instead of growing it.
constexpr std::size_t MostTablesKept = 8;
std::map<std::pair<float, float>, AudioSineTable> tables;

AudioSineTable computeAudioSines()
{
    auto sines = std::make_shared<std::vector<double>>();
    sines->reserve(CarrierSteps + 1);
    for (float n = 0; n <= CarrierSteps; n += 1) {
        const float a = float(double(modMain::Pi) * modMain::AudioKHz / 180.0 * n / 100.0);
        sines->push_back(exactSin(double(a)));
    }
    return sines;
}

}

AudioSineTable amAudioSineTable()
{
    const std::pair<float, float> key { modMain::AudioKHz, modMain::Pi };
    if (const auto kept = tables.find(key); kept != tables.end())
        return kept->second;
    if (tables.size() >= MostTablesKept)
        tables.clear();
    return tables.emplace(key, computeAudioSines()).first->second;
}
