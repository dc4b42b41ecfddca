// SPDX-License-Identifier: GPL-3.0-or-later
// A one-off check of exactSin against libquadmath's 113-bit sinq, rounded to double (or
// float), over the arguments the plots use, random arguments and edge values; with
// --hash, a hash of exactSin's results over the same arguments only, to compare builds
// (emscripten has no libquadmath); with --speed, the time per call beside std::sin.
//
//   g++ -std=c++20 -O2 -ffp-contract=off -I. tools/exact-sine-check.cpp -lquadmath
//   em++ -std=c++20 -O2 -ffp-contract=off -I. tools/exact-sine-check.cpp   (--hash, --speed)
//
// The file includes core/ExactSine.cpp itself, to reach the fast route and measure its
// error.
#include "core/ExactSine.cpp"

#include <algorithm>
#include <chrono>
#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <numbers>
#include <random>
#include <string>
#include <vector>

#if !defined(__EMSCRIPTEN__) && __has_include(<quadmath.h>)
#define WITH_QUADMATH 1
#include <quadmath.h>
#endif

namespace {

struct Set {
    std::string name;
    std::vector<double> doubles;
    std::vector<float> floats;
};

// The arguments of the plots' sines, computed by the plots' own expressions.
std::vector<Set> plotArguments()
{
    const float Pi = float(4.0 * std::atan(1.0));
    Set carrier { "carrier", {}, {} };
    for (int step = 0; step <= 36000; ++step) // core/CarrierSine.cpp
        carrier.doubles.push_back(3000.0 * step);
    Set tones { "AM tones", {}, {} };
    for (float AudioKHz : { 1.0f, 2.0f, 3.0f }) {
        for (float n = 0; n <= 36000; n += 1) { // am/AmAudioSines.cpp
            const float a = float(double(Pi) * AudioKHz / 180.0 * n / 100.0);
            tones.doubles.push_back(double(a));
        }
        for (float n = 0; n <= 360; n += 1) { // am/AmDemodOutput.cpp
            const float a = float(double(Pi) * AudioKHz / 180.0 * n);
            tones.doubles.push_back(double(a));
        }
        for (int step = 0; step <= 36000; ++step) { // app/OpeningArtwork.cpp, waveform
            const double t = step;
            tones.floats.push_back(float(double(Pi) * AudioKHz / 180.0 * t / 100.0));
        }
        for (int step = 0; step <= 360; ++step) { // app/OpeningArtwork.cpp, envelope
            const double t = step;
            tones.floats.push_back(float(double(Pi) * AudioKHz / 180.0 * t));
        }
    }
    Set ssb { "SSB tables", {}, {} };
    for (double kHz : { 500.0, 501.0, 499.0, 502.0, 498.0, 503.0, 497.0 }) // ssb/SsbSineTables.cpp
        for (float stepTime = 0; stepTime <= 2; stepTime += 0.00005f) {
            const double t = stepTime;
            ssb.doubles.push_back(2.0 * t * double(Pi) * kHz);
        }
    Set fm { "FM sound", {}, {} };
    for (int tenths = 0; tenths <= 200; tenths += 5) { // fm/FmSound.cpp, indices 0 to 20
        const int carrierTones = 24;
        const std::size_t length = 192;
        const double index = float(tenths / 10.0);
        for (std::size_t i = 0; i < length; ++i) {
            const double tonePhase = 2.0 * std::numbers::pi * double(i) / double(length);
            fm.doubles.push_back(tonePhase);
            fm.doubles.push_back(carrierTones * tonePhase + index * exactSin(tonePhase));
        }
    }
    return { carrier, tones, ssb, fm };
}

// Uniform in [lo, hi), the same on every platform (unlike std::uniform_real_distribution).
Set uniform(const char* name, double lo, double hi, int count, std::uint64_t seed)
{
    Set set { name, {}, {} };
    std::mt19937_64 bits(seed);
    for (int i = 0; i < count; ++i) {
        const double u = double(bits() >> 11) * 0x1p-53;
        set.doubles.push_back(lo + (hi - lo) * u);
        set.floats.push_back(float(lo + (hi - lo) * u));
    }
    return set;
}

// Random bit patterns: every binade alike.
Set anyFinite(int count)
{
    Set set { "bit patterns", {}, {} };
    std::mt19937_64 bits(7);
    while (int(set.doubles.size()) < count) {
        const double x = bitCast<double>(bits());
        if (std::isfinite(x))
            set.doubles.push_back(x);
        const float f = bitCast<float>(u32(bits()));
        if (std::isfinite(f))
            set.floats.push_back(f);
    }
    return set;
}

Set edges()
{
    Set set { "edges", {}, {} };
    auto both = [&](double x) {
        for (double y : { x, -x }) {
            set.doubles.push_back(y);
            set.floats.push_back(float(y));
        }
    };
    auto around = [&](double x, int ulps) {
        double lo = x, hi = x;
        both(x);
        for (int i = 0; i < ulps; ++i) {
            lo = std::nextafter(lo, 0.0);
            hi = std::nextafter(hi, DBL_MAX);
            both(lo);
            both(hi);
        }
    };
    both(0.0);
    both(std::numeric_limits<double>::denorm_min());
    both(DBL_MIN);
    both(DBL_MAX);
    for (int e = -1074; e <= 1023; ++e)
        around(std::ldexp(1.0, e), 2);
    around(0x1p-26, 20);
    around(0.78, 20);
    around(std::numbers::pi / 4, 20);
    // The doubles nearest multiples of pi/2, and the hardest known to reduce.
    for (int k = 1; k <= 20000; ++k)
        around(k * std::numbers::pi / 2, 2);
    for (int e = 15; e <= 1000; ++e)
        around(std::ldexp(std::numbers::pi / 2, e), 2);
    around(6381956970095103.0 * 0x1p797, 2);
    around(1e8, 20000);
    around(3000.0 * 36000, 20000);
    around(0x1p27, 100);
    around(0x1p30, 100);
    return set;
}

std::vector<Set> allSets()
{
    std::vector<Set> sets = plotArguments();
    sets.push_back(uniform("[-1e9, 1e9)", -1e9, 1e9, 2000000, 1));
    sets.push_back(uniform("[-10, 10)", -10, 10, 2000000, 2));
    sets.push_back(anyFinite(1000000));
    sets.push_back(edges());
    return sets;
}

int hashMode()
{
    for (const Set& set : allSets()) {
        u64 hash = 0xcbf29ce484222325;
        for (double x : set.doubles)
            hash = (hash ^ bitCast<u64>(exactSin(x))) * 0x100000001b3;
        for (float x : set.floats)
            hash = (hash ^ bitCast<u32>(exactSin(x))) * 0x100000001b3;
        std::printf("%-14s %8zu doubles %8zu floats  %016" PRIx64 "\n", set.name.c_str(),
                    set.doubles.size(), set.floats.size(), hash);
    }
    return 0;
}

// Nanoseconds a call of f over the values, the best of a few rounds.
template <typename T, typename F>
double timed(const std::vector<T>& values, std::size_t count, F f)
{
    double best = 1e300;
    count = std::min(count, values.size());
    for (int round = 0; round < 3; ++round) {
        T sum = 0;
        const auto start = std::chrono::steady_clock::now();
        for (std::size_t i = 0; i < count; ++i)
            sum += f(values[i]);
        const std::chrono::duration<double, std::nano> took = std::chrono::steady_clock::now() - start;
        volatile T keep = sum;
        (void)keep;
        best = std::min(best, took.count() / double(count));
    }
    return best;
}

int speedMode()
{
    std::vector<Set> sets = plotArguments();
    sets.push_back(uniform("[-10, 10)", -10, 10, 1000000, 3));
    sets.push_back(uniform("[-1e9, 1e9)", -1e9, 1e9, 1000000, 4));
    std::printf("%-12s %10s %10s %12s   (ns a call)\n", "", "std::sin", "exactSin", "exactSinWide");
    for (const Set& set : sets) {
        const std::size_t all = set.doubles.size();
        if (all != 0)
            std::printf("%-12s %10.1f %10.1f %12.1f\n", set.name.c_str(),
                        timed(set.doubles, all, [](double x) { return std::sin(x); }),
                        timed(set.doubles, all, [](double x) { return exactSin(x); }),
                        timed(set.doubles, 20000, [](double x) { return exactSinWide(x); }));
        if (!set.floats.empty())
            std::printf("%-12s %10.1f %10.1f %12.1f   (floats)\n", set.name.c_str(),
                        timed(set.floats, set.floats.size(), [](float x) { return std::sin(x); }),
                        timed(set.floats, set.floats.size(), [](float x) { return exactSin(x); }),
                        timed(set.floats, 20000, [](float x) { return exactSinWide(x); }));
    }
    return 0;
}

#ifdef WITH_QUADMATH

// sinq rounded, and whether sinq's value lies so near a midpoint (2^-107 of itself) that
// its own error could decide the rounding.
template <typename T>
T reference(T x, bool& ambiguous, __float128& exact)
{
    exact = sinq(__float128(x));
    const T rounded = T(exact);
    const __float128 up = (__float128(rounded) + __float128(std::nextafter(rounded, T(INFINITY)))) / 2;
    const __float128 down = (__float128(rounded) + __float128(std::nextafter(rounded, T(-INFINITY)))) / 2;
    const __float128 near = fminq(fabsq(exact - up), fabsq(exact - down));
    ambiguous = x != 0 && near <= fabsq(exact) * __float128(0x1p-107);
    return rounded;
}

template <typename T>
bool same(T a, T b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

std::string show(double x)
{
    char text[64];
    std::snprintf(text, sizeof text, "%a", x);
    return text;
}

int checkMode()
{
    int failures = 0;
    for (const Set& set : allSets()) {
        long mismatches = 0, wideMismatches = 0, undecided = 0, ambiguous = 0, libc = 0, slow = 0;
        double worst = 0; // the fast route's largest error, relative
        for (double x : set.doubles) {
            bool unsure = false;
            __float128 exact;
            const double want = reference(x, unsure, exact);
            if (unsure) {
                ++ambiguous;
                std::printf("  ambiguous reference: sin(%s) ~ %s\n", show(x).c_str(), show(want).c_str());
            }
            const double got = exactSin(x);
            bool open = false;
            const double wide = exactSinWide(x, &open);
            undecided += open;
            if (!same(got, want) && !unsure) {
                ++mismatches;
                std::printf("  mismatch: sin(%s) = %s, exactSin %s\n", show(x).c_str(),
                            show(want).c_str(), show(got).c_str());
            }
            if (!same(wide, want) && !unsure) {
                ++wideMismatches;
                std::printf("  wide mismatch: sin(%s) = %s, exactSinWide %s\n", show(x).c_str(),
                            show(want).c_str(), show(wide).c_str());
            }
            libc += !same(std::sin(x), want);
            Pair s;
            const double ax = std::fabs(x);
            if (ax >= 0x1p-26 && ax <= DBL_MAX) {
                if (fastSine(ax, s)) {
                    const __float128 value = (__float128(s.hi) + s.lo) * (x < 0 ? -1 : 1);
                    const double error = double(fabsq((value - exact) / exact));
                    worst = std::max(worst, error);
                    const double err = std::fabs(s.hi) * FastError;
                    slow += s.hi + (s.lo + err) != s.hi + (s.lo - err);
                } else {
                    ++slow;
                }
            }
        }
        long floatMismatches = 0, floatWide = 0, floatLibc = 0, floatAmbiguous = 0;
        for (float x : set.floats) {
            bool unsure = false, open = false;
            __float128 exact;
            const float want = reference(x, unsure, exact);
            floatAmbiguous += unsure;
            floatMismatches += !same(exactSin(x), want) && !unsure;
            floatWide += !same(exactSinWide(x, &open), want) && !unsure;
            undecided += open;
            floatLibc += !same(std::sin(x), want);
        }
        std::printf("%-14s doubles %8zu: mismatches %ld, wide route %ld, sinq ambiguous %ld, "
                    "glibc differs %ld; fast route error < 2^%.1f, %ld taken the wide route\n",
                    set.name.c_str(), set.doubles.size(), mismatches, wideMismatches, ambiguous,
                    libc, std::log2(worst), slow);
        std::printf("%-14s floats  %8zu: mismatches %ld, wide route %ld, sinq ambiguous %ld, "
                    "glibc differs %ld; wide route undecided %ld\n",
                    set.name.c_str(), set.floats.size(), floatMismatches, floatWide, floatAmbiguous,
                    floatLibc, undecided);
        failures += mismatches + wideMismatches + floatMismatches + floatWide;
        std::fflush(stdout);
    }
    return failures != 0;
}

#endif

} // namespace

int main(int argc, char** argv)
{
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "--hash")
        return hashMode();
    if (mode == "--speed")
        return speedMode();
#ifdef WITH_QUADMATH
    return checkMode();
#else
    std::fprintf(stderr, "no libquadmath here: --hash or --speed\n");
    return 2;
#endif
}
