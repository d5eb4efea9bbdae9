#!/usr/bin/env python3
"""Reference values of gamma and arccos at 40 digits (mpmath), for the tests.

    python3 tools/make_gamma_arccos_reference.py > tests/data/gamma_arccos_reference.txt

Each line: function name, the double argument (exact, as a hex float), the
value rounded to 20 significant digits.
"""
import mpmath

mpmath.mp.dps = 40


def args_gamma():
    xs = [0.5, 1.5, 2.5, 0.1, 0.9, 1e-10, 3e-17, 7.25, 10.1, 33.3, 99.99, 150.5,
          169.9, 170.0, -0.5, -1.5, -2.5, -0.999, -10.1, -33.7, -99.5, -150.3,
          -169.5, 1.0 / 3.0, 2.385, 57.123]
    xs += [i / 8 for i in range(1, 80)]
    return xs


def args_acos():
    xs = [-1.0, -0.999999, -0.9, -0.75, -0.7071, -0.5, -0.2, -1e-8, 0.0, 1e-8, 0.1,
          0.3, 0.5, 0.7071067811865475, 0.7071067811865476, 0.70711, 0.8, 0.95,
          0.99, 0.999999, 1.0, 2.385 / 3]
    xs += [i / 64 - 1 for i in range(1, 128)]
    return xs


for x in args_gamma():
    print("gamma", float(x).hex(), mpmath.nstr(mpmath.gamma(mpmath.mpf(x)), 20))
for x in args_acos():
    print("acos", float(x).hex(), mpmath.nstr(mpmath.acos(mpmath.mpf(x)), 20))
