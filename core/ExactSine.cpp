// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ExactSine.h"

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

// Every step below is exact or rounds once, to double, to nearest. The pairs of doubles
// rely on products and sums rounding that way and no other: no excess precision, and no
// multiply-add fused by the compiler (core/CMakeLists.txt builds this file with
// -ffp-contract=off).
static_assert(std::numeric_limits<double>::is_iec559 && FLT_EVAL_METHOD == 0,
              "exactSin needs IEEE doubles evaluated in double precision");

namespace {

using u32 = std::uint32_t;
using u64 = std::uint64_t;

// A value as the sum of two doubles, the second below an ulp of the first: about 106 bits.
struct Pair {
    double hi;
    double lo;
};

// Written by tools/exact-sine-constants.py.
// 2/pi, 32 bits a word, the first word just after the binary point.
constexpr std::uint32_t TwoOverPi[44] = {
    0xa2f9836e,
    0x4e441529,
    0xfc2757d1,
    0xf534ddc0,
    0xdb629599,
    0x3c439041,
    0xfe5163ab,
    0xdebbc561,
    0xb7246e3a,
    0x424dd2e0,
    0x06492eea,
    0x09d1921c,
    0xfe1deb1c,
    0xb129a73e,
    0xe88235f5,
    0x2ebb4484,
    0xe99c7026,
    0xb45f7e41,
    0x3991d639,
    0x835339f4,
    0x9c845f8b,
    0xbdf9283b,
    0x1ff897ff,
    0xde05980f,
    0xef2f118b,
    0x5a0a6d1f,
    0x6d367ecf,
    0x27cb09b7,
    0x4f463f66,
    0x9e5fea2d,
    0x7527bac7,
    0xebe5f17b,
    0x3d0739f7,
    0x8a5292ea,
    0x6bfb5fb1,
    0x1f8d5d08,
    0x56033046,
    0xfc7b6bab,
    0xf0cfbc20,
    0x9af4361d,
    0xa9e39161,
    0x5ee61b08,
    0x6599855f,
    0x14a06840,
};

// pi/2 * 2^288, rounded down; the lowest word first.
constexpr std::uint32_t HalfPiWords[10] = {
    0xa29410f3,
    0x76273644,
    0x04177d4c,
    0x14cf98e8,
    0x52049c11,
    0x01b839a2,
    0x898cc517,
    0x42d18469,
    0x921fb544,
    0x00000001,
};

constexpr Pair HalfPi { 0x1.921fb54442d18p+0, 0x1.1a62633145c07p-54 };

// (-1)^k / (2k + 1)! for k = 1..15.
constexpr Pair SineTerms[15] = {
    { -0x1.5555555555555p-3, -0x1.5555555555555p-57 },
    { 0x1.1111111111111p-7, 0x1.1111111111111p-63 },
    { -0x1.a01a01a01a01ap-13, -0x1.a01a01a01a01ap-73 },
    { 0x1.71de3a556c734p-19, -0x1.c154f8ddc6c00p-73 },
    { -0x1.ae64567f544e4p-26, 0x1.c062e06d1f209p-80 },
    { 0x1.6124613a86d09p-33, 0x1.f28e0cc748ebep-87 },
    { -0x1.ae7f3e733b81fp-41, -0x1.1d8656b0ee8cbp-97 },
    { 0x1.952c77030ad4ap-49, 0x1.ac981465ddc6cp-103 },
    { -0x1.2f49b46814157p-57, -0x1.2650f61dbdcb4p-112 },
    { 0x1.71b8ef6dcf572p-66, -0x1.d043ae40c4647p-120 },
    { -0x1.761b41316381ap-75, 0x1.3423c7d91404fp-130 },
    { 0x1.3f3ccdd165fa9p-84, -0x1.58ddadf344487p-139 },
    { -0x1.d1ab1c2dccea3p-94, -0x1.054d0c78aea14p-149 },
    { 0x1.259f98b4358adp-103, 0x1.eaf8c39dd9bc5p-157 },
    { -0x1.434d2e783f5bcp-113, -0x1.0b87b91be9affp-167 },
};

// (-1)^k / (2k)! for k = 1..15.
constexpr Pair CosineTerms[15] = {
    { -0x1.0000000000000p-1, 0x0.0p+0 },
    { 0x1.5555555555555p-5, 0x1.5555555555555p-59 },
    { -0x1.6c16c16c16c17p-10, 0x1.f49f49f49f49fp-65 },
    { 0x1.a01a01a01a01ap-16, 0x1.a01a01a01a01ap-76 },
    { -0x1.27e4fb7789f5cp-22, -0x1.cbbc05b4fa99ap-76 },
    { 0x1.1eed8eff8d898p-29, -0x1.2aec959e14c06p-83 },
    { -0x1.93974a8c07c9dp-37, -0x1.05d6f8a2efd1fp-92 },
    { 0x1.ae7f3e733b81fp-45, 0x1.1d8656b0ee8cbp-101 },
    { -0x1.6827863b97d97p-53, -0x1.eec01221a8b0bp-107 },
    { 0x1.e542ba4020225p-62, 0x1.ea72b4afe3c2fp-120 },
    { -0x1.0ce396db7f853p-70, 0x1.aebcdbd20331cp-124 },
    { 0x1.f2cf01972f578p-80, -0x1.9ada5fcc1ab14p-135 },
    { -0x1.88e85fc6a4e5ap-89, 0x1.71c37ebd16540p-143 },
    { 0x1.0a18a2635085dp-98, 0x1.b9e2e28e1aa54p-153 },
    { -0x1.3932c5047d60ep-108, -0x1.832b7b530a627p-162 },
};

// Relative error of the fast route's sine, bounded generously: the reduction, the series
// and their roundings stay below 2^-101 (2^-103.2 the most seen over millions of
// arguments).
constexpr double FastError = 0x1p-96;

// The bits of a value as another type (emscripten's libc++ has no std::bit_cast).
template <typename To, typename From>
To bitCast(From from)
{
    static_assert(sizeof(To) == sizeof(From));
    To to;
    std::memcpy(&to, &from, sizeof to);
    return to;
}

// 2^n for n in the range of normal doubles.
double pow2(int n)
{
    return bitCast<double>(u64(1023 + n) << 52);
}

// ---- Pairs of doubles (Dekker, Knuth): every transformation error-free or rounded once.

// a + b where |a| >= |b|.
Pair fastTwoSum(double a, double b)
{
    const double s = a + b;
    return { s, b - (s - a) };
}

// a as two halves of 26 bits each, so that products of halves are exact: a rounded to its
// first 26 bits by its bits (unlike Veltkamp's split, a multiply-add fused by a compiler
// cannot change it), and the rest, exactly.
Pair split(double a)
{
    const u64 bits = (bitCast<u64>(a) + (u64(1) << 26)) & ~((u64(1) << 27) - 1);
    const double hi = bitCast<double>(bits);
    return { hi, a - hi };
}

// A factor with its halves, to split it once for several products.
struct Halves {
    double value;
    double hi;
    double lo;
};

Halves halves(double a)
{
    const Pair h = split(a);
    return { a, h.hi, h.lo };
}

Pair twoProduct(double a, const Halves& b)
{
    const double p = a * b.value;
    const Pair x = split(a);
    return { p, ((x.hi * b.hi - p) + x.hi * b.lo + x.lo * b.hi) + x.lo * b.lo };
}

Pair mul(Pair a, Pair b, const Halves& bHi)
{
    const Pair p = twoProduct(a.hi, bHi);
    return fastTwoSum(p.hi, p.lo + (a.hi * b.lo + a.lo * b.hi));
}

Pair mul(Pair a, Pair b)
{
    return mul(a, b, halves(b.hi));
}

// c + a b, where |a b| <= |c|: one rounding to a pair, not two.
Pair mulAdd(Pair a, Pair b, const Halves& bHi, Pair c)
{
    const Pair p = twoProduct(a.hi, bHi);
    const Pair s = fastTwoSum(c.hi, p.hi);
    return fastTwoSum(s.hi, s.lo + (p.lo + (c.lo + (a.hi * b.lo + a.lo * b.hi))));
}

// ---- Reduction by pi/2 (Payne and Hanek), in integers.
//
// x = m 2^e with m an integer below 2^53. Of 2/pi = sum of TwoOverPi[j] 2^(-32 j - 32),
// the words of weight 4 and more in m 2^e 2/pi add whole multiples of 4 and are left out;
// a window of W words from the first that counts is multiplied by m exactly. The words
// after the window are dropped: less than m 2^e 2^(-32 (first + W)) < 2^(53 - point).

template <int W>
struct Product {
    u32 limb[W + 2]; // lowest first
    int point;       // the binary point: the product is limb / 2^point
};

template <int W>
Product<W> timesTwoOverPi(u64 m, int e)
{
    const int first = e >= 34 ? (e - 34) / 32 + 1 : 0; // at most 30, for DBL_MAX
    const u32* window = TwoOverPi + first;
    Product<W> p {};
    const u64 m0 = m & 0xFFFFFFFF;
    const u64 m1 = m >> 32;
    u64 carry = 0;
    for (int k = 0; k < W; ++k) {
        const u64 t = u64(window[W - 1 - k]) * m0 + carry;
        p.limb[k] = u32(t);
        carry = t >> 32;
    }
    p.limb[W] = u32(carry);
    carry = 0;
    for (int k = 0; k < W; ++k) {
        const u64 t = u64(window[W - 1 - k]) * m1 + p.limb[k + 1] + carry;
        p.limb[k + 1] = u32(t);
        carry = t >> 32;
    }
    p.limb[W + 1] = u32(carry);
    p.point = 32 * (first + W) - e;
    return p;
}

// The 64 bits of an integer (limbs lowest first) from bit pos up.
u64 bitsAt(const u32* limb, int count, int pos)
{
    const int i = pos / 32;
    const int shift = pos % 32;
    const auto at = [&](int j) -> u64 { return j < count ? limb[j] : 0; };
    u64 v = (at(i) | at(i + 1) << 32) >> shift;
    if (shift != 0)
        v |= at(i + 2) << (64 - shift);
    return v;
}

// |x| = quadrant pi/2 + r modulo 2 pi, |r| <= pi/4, with r as a pair to about 2^-104 of
// itself. False where |x| lies so close to a multiple of pi/2 (r below 2^-79) that the
// 192 bits kept would not be enough; no double does: the closest, 6381956970095103 2^797,
// is 2^-60.9 away.
bool reduceFast(double ax, int& quadrant, Pair& r)
{
    if (ax < 0.78) {
        quadrant = 0;
        r = { ax, 0.0 };
        return true;
    }
    const u64 bits = bitCast<u64>(ax);
    const u64 m = (bits & 0xFFFFFFFFFFFFF) | u64(1) << 52;
    const int e = int(bits >> 52) - 1075;
    const auto p = timesTwoOverPi<9>(m, e); // point >= 255: dropped bits below 2^-202
    quadrant = int(bitsAt(p.limb, 11, p.point) & 3);
    u64 f1 = bitsAt(p.limb, 11, p.point - 64);
    u64 f2 = bitsAt(p.limb, 11, p.point - 128);
    u64 f3 = bitsAt(p.limb, 11, p.point - 192);
    // A fraction of a half or more is the next quadrant less its complement to 1.
    const bool negative = f1 >> 63;
    if (negative) {
        quadrant = (quadrant + 1) & 3;
        f3 = ~f3 + 1;
        u64 carry = f3 == 0;
        f2 = ~f2 + carry;
        carry = carry && f2 == 0;
        f1 = ~f1 + carry;
    }
    int shift = 0;
    if (f1 == 0) {
        f1 = f2;
        f2 = f3;
        f3 = 0;
        shift = 64;
    }
    if (f1 == 0)
        return false;
    const int lead = std::countl_zero(f1);
    if (lead != 0) {
        f1 = f1 << lead | f2 >> (64 - lead);
        f2 = f2 << lead | f3 >> (64 - lead);
    }
    shift += lead;
    if (shift > 80)
        return false;
    // The first 106 bits of the fraction, exactly.
    const Pair f { double(f1 >> 11) * pow2(-53 - shift),
                   double((f1 & 0x7FF) << 42 | f2 >> 22) * pow2(-106 - shift) };
    r = mul(f, HalfPi);
    if (negative)
        r = { -r.hi, -r.lo };
    return true;
}

// ---- The series on |r| <= pi/4, where z = r^2 <= 0.617. The terms of degree 17 and up
// for the sine (16 and up for the cosine) are below 2^-53 of the sum and are summed in
// plain doubles; the last one kept is below 2^-110. Each step of Horner's rule adds less
// than a twelfth of the coefficient it adds to, so mulAdd may take the coefficient first.

Pair sinOfReduced(Pair r)
{
    const Halves rHi = halves(r.hi);
    const Pair rr = twoProduct(r.hi, rHi);
    const Pair z = fastTwoSum(rr.hi, rr.lo + 2 * r.hi * r.lo);
    const Halves zHi = halves(z.hi);
    double tail = SineTerms[14].hi;
    for (int k = 13; k >= 7; --k)
        tail = tail * z.hi + SineTerms[k].hi;
    Pair q { tail, 0.0 };
    for (int k = 6; k >= 0; --k)
        q = mulAdd(q, z, zHi, SineTerms[k]);
    return mulAdd(mul(q, z, zHi), r, rHi, r); // r + r z q, |z q| < 0.11
}

Pair cosOfReduced(Pair r)
{
    const Pair rr = twoProduct(r.hi, halves(r.hi));
    const Pair z = fastTwoSum(rr.hi, rr.lo + 2 * r.hi * r.lo);
    const Halves zHi = halves(z.hi);
    double tail = CosineTerms[14].hi;
    for (int k = 13; k >= 8; --k)
        tail = tail * z.hi + CosineTerms[k].hi;
    Pair q { tail, 0.0 };
    for (int k = 7; k >= 0; --k)
        q = mulAdd(q, z, zHi, CosineTerms[k]);
    return mulAdd(q, z, zHi, { 1.0, 0.0 }); // 1 + z q, |z q| < 0.31
}

// sin |x| to FastError of itself, for 2^-26 <= |x| <= DBL_MAX.
bool fastSine(double ax, Pair& s)
{
    int quadrant = 0;
    Pair r {};
    if (!reduceFast(ax, quadrant, r))
        return false;
    s = quadrant & 1 ? cosOfReduced(r) : sinOfReduced(r);
    if (quadrant & 2)
        s = { -s.hi, -s.lo };
    return true;
}

// The float nearest hi + lo (|lo| well below an ulp of hi), if the sum lies farther than
// err from the midpoint between two floats; false otherwise.
bool nearestFloat(double hi, double lo, double err, float& nearest)
{
    const float f = float(hi);
    const double ahead = (hi - double(f)) + lo; // hi - f is exact: one binade or the next
    // The neighbour on the sum's side of f, and the midpoint between them (25 bits: exact).
    const u32 bits = bitCast<u32>(f);
    const float g = bitCast<float>((ahead > 0) == (f > 0) ? bits + 1 : bits - 1);
    const double middle = (double(f) + double(g)) / 2;
    const double beyond = (hi - middle) + lo; // hi - middle is exact too
    nearest = (beyond > 0) == (ahead > 0) ? g : f;
    return std::fabs(beyond) > err;
}

// ---- The wide route: fixed point in 32-bit words, value = words / 2^288, the top word the
// whole part. Every operation truncates, by less than one unit of 2^-288.

constexpr int Words = 10;
constexpr u32 WideError = 256; // bound on the sine's error in units; some 20 by analysis

struct Wide {
    u32 w[Words];
};

Wide wideMul(const Wide& a, const Wide& b)
{
    u32 full[2 * Words] {};
    for (int i = 0; i < Words; ++i) {
        u64 carry = 0;
        for (int j = 0; j < Words; ++j) {
            const u64 t = u64(a.w[i]) * b.w[j] + full[i + j] + carry;
            full[i + j] = u32(t);
            carry = t >> 32;
        }
        full[i + Words] = u32(carry);
    }
    Wide out;
    for (int i = 0; i < Words; ++i)
        out.w[i] = full[i + Words - 1];
    return out;
}

void wideDivide(Wide& a, u32 d)
{
    u64 rest = 0;
    for (int i = Words - 1; i >= 0; --i) {
        const u64 t = rest << 32 | a.w[i];
        a.w[i] = u32(t / d);
        rest = t % d;
    }
}

// 1 - a, for a <= 1.
Wide oneMinus(const Wide& a)
{
    Wide out;
    std::int64_t borrow = 0;
    for (int i = 0; i < Words; ++i) {
        const std::int64_t t = std::int64_t(i == Words - 1) - a.w[i] - borrow;
        out.w[i] = u32(t);
        borrow = t < 0;
    }
    return out;
}

Wide wideHalfPi()
{
    Wide h;
    for (int i = 0; i < Words; ++i)
        h.w[i] = HalfPiWords[i];
    return h;
}

// As reduceFast, with r's magnitude to 2^-286 and its sign apart.
void reduceWide(double ax, int& quadrant, bool& negative, Wide& r)
{
    const u64 bits = bitCast<u64>(ax);
    const u64 m = (bits & 0xFFFFFFFFFFFFF) | u64(1) << 52;
    const int e = int(bits >> 52) - 1075;
    r = {};
    quadrant = 0;
    negative = false;
    if (ax < 0.78) { // exact: 2^-26 <= ax, so 2^-130 <= the last bit of m 2^e
        const int at = e + 32 * (Words - 1);
        const int shift = at % 32;
        r.w[at / 32] = u32(m << shift);
        r.w[at / 32 + 1] = u32(m << shift >> 32);
        r.w[at / 32 + 2] = shift ? u32(m >> (64 - shift)) : 0;
        return;
    }
    const auto p = timesTwoOverPi<12>(m, e); // point >= 351: dropped bits below 2^-298
    quadrant = int(bitsAt(p.limb, 14, p.point) & 3);
    Wide f {};
    for (int i = 0; i < Words - 1; ++i)
        f.w[i] = u32(bitsAt(p.limb, 14, p.point - 32 * (Words - 1 - i)));
    if (f.w[Words - 2] >> 31) {
        negative = true;
        quadrant = (quadrant + 1) & 3;
        f = oneMinus(f);
    }
    r = wideMul(f, wideHalfPi());
}

// The Taylor series by Horner's rule, each step 1 - z u / (n (n + 1)), which stays in
// [0, 1]; 30 terms leave out less than 2^-300.
Wide wideSinOf(const Wide& r)
{
    const Wide z = wideMul(r, r);
    Wide u = oneMinus({});
    for (u32 k = 30; k >= 1; --k) {
        u = wideMul(z, u);
        wideDivide(u, 2 * k * (2 * k + 1));
        u = oneMinus(u);
    }
    return wideMul(r, u);
}

Wide wideCosOf(const Wide& r)
{
    const Wide z = wideMul(r, r);
    Wide u = oneMinus({});
    for (u32 k = 30; k >= 1; --k) {
        u = wideMul(z, u);
        wideDivide(u, (2 * k - 1) * (2 * k));
        u = oneMinus(u);
    }
    return u;
}

// Whether the lowest n bits of w, inverted if asked, are at most limit (n > 32).
bool lowBitsAtMost(const Wide& w, int n, u32 limit, bool inverted)
{
    const u32 flip = inverted ? 0xFFFFFFFF : 0;
    for (int i = 1; i * 32 < n; ++i) {
        const int width = n - i * 32 < 32 ? n - i * 32 : 32;
        const u32 mask = width == 32 ? 0xFFFFFFFF : (u32(1) << width) - 1;
        if (((w.w[i] ^ flip) & mask) != 0)
            return false;
    }
    return (w.w[0] ^ flip) <= limit;
}

// v (0 < v < 2) rounded to the nearest number of the given bits, as a double.
double roundWide(const Wide& v, int precision, bool* undecided)
{
    int top = 32 * Words - 1;
    while (!(v.w[top / 32] >> (top % 32) & 1))
        --top;
    const int last = top - (precision - 1); // the lowest bit kept, above 100 here
    u64 kept = bitsAt(v.w, Words, last) & ((u64(1) << precision) - 1);
    const bool half = v.w[(last - 1) / 32] >> ((last - 1) % 32) & 1;
    // The bits below the half: within WideError of 0 (half set) or of the whole (not).
    if (undecided)
        *undecided = lowBitsAtMost(v, last - 1, WideError, !half);
    if (half)
        ++kept;
    return double(kept) * pow2(last - 32 * (Words - 1));
}

// sin |x| by the wide route, as its magnitude rounded and its sign.
double wideSine(double ax, int precision, bool& negative, bool* undecided)
{
    int quadrant = 0;
    bool reducedNegative = false;
    Wide r;
    reduceWide(ax, quadrant, reducedNegative, r);
    const Wide s = quadrant & 1 ? wideCosOf(r) : wideSinOf(r);
    negative = ((quadrant & 2) != 0) != (!(quadrant & 1) && reducedNegative);
    return roundWide(s, precision, undecided);
}

} // namespace

double exactSin(double x)
{
    const double ax = std::fabs(x);
    if (!(ax <= DBL_MAX))
        return x - x;
    // sin x = x (1 - x^2/6 + ...) and x^2/6 < 2^-54, below half an ulp: x is the nearest.
    if (ax < 0x1p-26)
        return x;
    Pair s;
    if (fastSine(ax, s)) {
        // The sine lies within err of s.hi + s.lo: if both ends round alike, so does it.
        const double err = std::fabs(s.hi) * FastError;
        const double up = s.hi + (s.lo + err);
        const double down = s.hi + (s.lo - err);
        if (up == down)
            return x < 0 ? -up : up;
    }
    return exactSinWide(x);
}

float exactSin(float x)
{
    const double ax = std::fabs(double(x));
    if (!(ax <= DBL_MAX))
        return x - x;
    if (ax < 0x1p-26)
        return x;
    Pair s;
    if (fastSine(ax, s)) {
        float nearest;
        if (nearestFloat(s.hi, s.lo, std::fabs(s.hi) * FastError, nearest))
            return x < 0 ? -nearest : nearest;
    }
    return exactSinWide(x);
}

double exactSinWide(double x, bool* undecided)
{
    if (undecided)
        *undecided = false;
    const double ax = std::fabs(x);
    if (!(ax <= DBL_MAX))
        return x - x;
    if (ax < 0x1p-26)
        return x;
    bool negative = false;
    const double s = wideSine(ax, 53, negative, undecided);
    return negative != (x < 0) ? -s : s;
}

float exactSinWide(float x, bool* undecided)
{
    if (undecided)
        *undecided = false;
    const double ax = std::fabs(double(x));
    if (!(ax <= DBL_MAX))
        return x - x;
    if (ax < 0x1p-26)
        return x;
    bool negative = false;
    const float s = float(wideSine(ax, 24, negative, undecided)); // exact: 24 bits
    return negative != (x < 0) ? -s : s;
}
