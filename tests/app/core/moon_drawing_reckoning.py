#!/usr/bin/env python3
"""An independent reckoning of the lit half-disc and the terminator fill of the Moon drawing,
written from the drawing's formulas, not from app/core/moon_drawing.cpp, for limb angles that lie
exactly on a quarter boundary (90, 180, 270 degrees).

It prints, for each case, the number of lines and chosen lines as C++ initialisers; the
figures are pasted into tests/app/core/moon_drawing_test.cpp (MoonDrawingExactLines). Python
floats are IEEE doubles and math.sin, math.cos and math.sqrt call the same C library as the
C++ code; every coordinate is rounded to single precision as the drawing hands it on.

    python3 tests/app/core/moon_drawing_reckoning.py
"""

import math
import struct

CX, CY, R = 9500.0, 8000.0, 1000.0
HALF_TURN = 3.14159  # the drawing's own factor, not full-precision pi
MOON = "MOON_COLOUR"
BACKGROUND = "DAY_BACKGROUND"


def f32(x):
    return struct.unpack("f", struct.pack("f", x))[0]


def X(y):
    return math.sqrt(R * R - y * y)


def line(x1, y1, x2, y2, colour):
    return (f32(x1), f32(y1), f32(x2), f32(y2), colour)


def drawing(k, a):
    """The half-disc lines, the fill lines, the half-disc test's threshold and first height."""
    theta = a * HALF_TURN / 180.0
    c, s = math.cos(theta), math.sin(theta)
    b = R * (1.0 - 2.0 * k)
    A = (R * s) * (R * s) + (b * c) * (b * c)
    B = (c * s) * (b * b - R * R)
    C = (R * c) * (R * c) + (b * s) * (b * s)
    F = R * R * (b * b)
    det = B * B - A * C
    ytop = math.sqrt(-F * A / det) if det != 0.0 else 0.0
    tan_theta = (R * s - (-R * s)) / (R * c - (-R * c))

    # The rows of the half-disc table: y from, down to, the test's threshold, the chord when
    # y is at or above it and the chord otherwise ("left" and "right": from that rim to the
    # line of cusps).
    if 0 <= a < 90:
        row = (R, -R * s, R * s, "full", "left")
    elif 90 <= a < 180:
        row = (R * s, -R, -R * s, "left", "full")
    elif 180 <= a < 270:
        row = (-R * s, -R, R * s, "right", "full")
    else:
        row = (R, R * s, -R * s, "full", "right")
    y_from, y_to, threshold, above, below = row
    half = []
    y = y_from
    while y >= y_to:
        chord = above if y >= threshold else below
        if chord == "full":
            half.append(line(CX - X(y), CY - y, CX + X(y), CY - y, MOON))
        elif chord == "left":
            half.append(line(CX - X(y), CY - y, CX + y / tan_theta, CY - y, MOON))
        else:
            half.append(line(CX + X(y), CY - y, CX + y / tan_theta, CY - y, MOON))
        y += -2.0

    fill = []
    if A != 0.0:
        colour = BACKGROUND if k < 0.5 else MOON
        y = ytop
        while y >= -ytop:
            disc = (B * y) * (B * y) - A * (C * y * y - F)
            if disc >= 0.0:
                x1 = (-B * y + math.sqrt(disc)) / A
                x2 = (-B * y - math.sqrt(disc)) / A
                fill.append(line(CX + x2, CY - y, CX + x1, CY - y, colour))
            y += -2.0
    return half, fill, threshold, y_from


def cpp(l):
    return "{%sf, %sf, %sf, %sf, %s}" % (repr(l[0]), repr(l[1]), repr(l[2]), repr(l[3]), l[4])


def main():
    for k, a in ((0.25, 90.0), (0.25, 180.0), (0.25, 270.0), (0.75, 90.0)):
        half, fill, threshold, y_from = drawing(k, a)
        # The first half-disc line drawn with the chord for heights below the threshold.
        switch = next((i for i in range(len(half)) if y_from - 2.0 * i < threshold), None)
        print("k %g a %g: %d half-disc lines, %d fill lines, chord changes at %s"
              % (k, a, len(half), len(fill), switch))
        chosen = [0, len(half) - 1] + ([switch - 1, switch] if switch else [])
        for i in sorted(set(chosen)):
            print("    half[%d] %s" % (i, cpp(half[i])))
        for i in sorted({0, len(fill) // 2, len(fill) - 1}):
            print("    fill[%d] %s" % (i, cpp(fill[i])))


if __name__ == "__main__":
    main()
