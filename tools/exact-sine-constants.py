#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Prints the constants of core/ExactSine.cpp: the bits of 2/pi and pi/2, pi/2 as a pair
# of doubles, and the Taylor coefficients of sine and cosine as pairs of doubles. Python's
# integers and fractions only, so the digits are exact and owe nothing to a maths library.
#
#   tools/exact-sine-constants.py
from fractions import Fraction
from math import factorial

TWO_OVER_PI_WORDS = 44  # 32-bit words after the binary point
HALF_PI_FRACTION_WORDS = 9
SINE_TERMS = 15  # x^(2k+1)/(2k+1)! for k = 1..15
COSINE_TERMS = 15  # x^(2k)/(2k)! for k = 1..15


def arctan_inverse(n, bits):
    """floor-ish of 2^bits * atan(1/n), to a few units in the last place."""
    total, term, k = 0, (1 << bits) // n, 0
    while term:
        total += term // (2 * k + 1) if k % 2 == 0 else -(term // (2 * k + 1))
        term //= n * n
        k += 1
    return total


def pi_scaled(bits):
    """pi * 2^bits, rounded down (the series' 64 guard bits absorb its rounding)."""
    guard = 64
    wide = 16 * arctan_inverse(5, bits + guard) - 4 * arctan_inverse(239, bits + guard)
    return wide >> guard


def two_over_pi_words():
    bits = 32 * TWO_OVER_PI_WORDS
    # floor(2^(bits + 1) / pi) from pi to 200 more bits: exact unless 200 equal bits
    # follow, which a second, wider computation rules out.
    values = []
    for extra in (200, 300):
        p = bits + extra
        values.append((1 << (bits + 1 + p)) // pi_scaled(p))
    assert values[0] == values[1]
    value = values[0]
    return [(value >> (32 * (TWO_OVER_PI_WORDS - 1 - i))) & 0xFFFFFFFF
            for i in range(TWO_OVER_PI_WORDS)]


def half_pi_fixed():
    value = pi_scaled(32 * HALF_PI_FRACTION_WORDS - 1)  # floor(pi/2 * 2^bits)
    return [(value >> (32 * i)) & 0xFFFFFFFF for i in range(HALF_PI_FRACTION_WORDS + 1)]


def pair(q):
    """A rational as the nearest double and the nearest double to what remains."""
    hi = float(q)
    return hi, float(q - Fraction(hi))


def half_pi_fraction():
    return Fraction(pi_scaled(400), 1 << 401)


def words(values):
    lines, line = [], "   "
    for v in values:
        item = f" 0x{v:08x},"
        if len(line) + len(item) > 92:
            lines.append(line)
            line = "   "
        line += item
    lines.append(line)
    return "\n".join(lines)


print("// 2/pi, 32 bits a word, the first word just after the binary point.")
print(f"constexpr std::uint32_t TwoOverPi[{TWO_OVER_PI_WORDS}] = {{")
print(words(two_over_pi_words()))
print("};")
print()
print(f"// pi/2 * 2^{32 * HALF_PI_FRACTION_WORDS}, rounded down; the lowest word first.")
print(f"constexpr std::uint32_t HalfPiWords[{HALF_PI_FRACTION_WORDS + 1}] = {{")
print(words(half_pi_fixed()))
print("};")
print()
hi, lo = pair(half_pi_fraction())
print(f"constexpr Pair HalfPi {{ {float.hex(hi)}, {float.hex(lo)} }};")
print()
for name, terms, first in (("Sine", SINE_TERMS, 3), ("Cosine", COSINE_TERMS, 2)):
    power = "2k + 1" if first == 3 else "2k"
    print(f"// (-1)^k / ({power})! for k = 1..{terms}.")
    print(f"constexpr Pair {name}Terms[{terms}] = {{")
    for k in range(1, terms + 1):
        n = 2 * k + (1 if first == 3 else 0)
        h, l = pair(Fraction((-1) ** k, factorial(n)))
        print(f"    {{ {float.hex(h)}, {float.hex(l)} }},")
    print("};")
    print()
