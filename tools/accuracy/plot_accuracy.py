#!/usr/bin/env python3
"""Plots the differences that accuracy_compare wrote, program minus libnova, against the
year: right ascension, declination and altitude of the Sun and the Moon in arcminutes, the
illuminated fraction, and the Moon's error on the sky with and without Delta T.

    python3 plot_accuracy.py ERRORS.csv OUTPUT.png
"""

import csv
import io
import sys

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402  (the backend must be chosen first)
from PIL import Image  # noqa: E402  (Pillow comes with Debian's matplotlib)

DOT_SIZE = 1.0
DOT_ALPHA = 0.35
SAME_DAY_COLOUR = "tab:blue"
DELTA_T_COLOUR = "tab:orange"
FIGURE_SIZE_IN = (9.0, 9.5)
DPI = 72
# The image is stored with a palette of this many colours, which keeps it small.
PALETTE_COLOURS = 64
# Panels: (row, column, CSV column, title, unit).
PANELS = [
    (0, 0, "sun_ra", "Sun right ascension", "′"),
    (0, 1, "moon_ra", "Moon right ascension", "′"),
    (1, 0, "sun_dec", "Sun declination", "′"),
    (1, 1, "moon_dec", "Moon declination", "′"),
    (2, 0, "sun_alt", "Sun altitude", "′"),
    (2, 1, "moon_alt", "Moon altitude", "′"),
    (3, 0, "fraction", "Moon illuminated fraction", ""),
]


def read_columns(path):
    """Returns the CSV file's columns as lists of floats, None where a cell is empty."""
    with open(path, newline="", encoding="utf-8") as f:
        rows = list(csv.DictReader(f))
    return {
        key: [float(row[key]) if row[key] != "" else None for row in rows]
        for key in rows[0].keys()
    }


def scatter(axes, years, values, colour, label=None):
    """Draws one series of dots, leaving out the empty cells."""
    pairs = [(y, v) for y, v in zip(years, values) if v is not None]
    axes.scatter(
        [p[0] for p in pairs],
        [p[1] for p in pairs],
        s=DOT_SIZE,
        alpha=DOT_ALPHA,
        color=colour,
        linewidths=0,
        rasterized=True,
        label=label,
    )


def save_small(figure, path):
    """Writes the figure as a PNG image with a small palette."""
    buffer = io.BytesIO()
    figure.savefig(buffer, dpi=DPI, format="png")
    buffer.seek(0)
    image = Image.open(buffer).convert("RGB")
    image.quantize(colors=PALETTE_COLOURS).save(path, optimize=True)


def main():
    """Reads the CSV file named first and writes the PNG image named second."""
    if len(sys.argv) != 3:
        sys.exit("usage: plot_accuracy.py ERRORS.csv OUTPUT.png")
    columns = read_columns(sys.argv[1])
    years = columns["year"]
    figure, axes = plt.subplots(4, 2, figsize=FIGURE_SIZE_IN, sharex=True)
    for row, column, key, title, unit in PANELS:
        panel = axes[row][column]
        scatter(panel, years, columns[key], SAME_DAY_COLOUR)
        panel.axhline(0.0, color="black", linewidth=0.5)
        panel.set_title(title, fontsize=10)
        panel.set_ylabel(f"program − libnova ({unit})" if unit else "program − libnova")

    moon = axes[3][1]
    scatter(moon, years, columns["dt_moon_pos"], DELTA_T_COLOUR, "libnova at UT + ΔT")
    scatter(moon, years, columns["moon_pos"], SAME_DAY_COLOUR, "same Julian day")
    moon.set_title("Moon position on the sky", fontsize=10)
    moon.set_ylabel("angle between the two (′)")
    moon.legend(loc="upper left", fontsize=8, markerscale=6, frameon=False)
    for panel in axes[3]:
        panel.set_xlabel("year")
        panel.set_xlim(1900, 2101)
    for panel in axes.flat:
        panel.tick_params(labelsize=8)
        panel.grid(True, linewidth=0.3)

    count = len(years)
    figure.suptitle(
        f"The program's Sun and Moon against libnova, {count} instants 1900–2100"
        " (same Julian day unless marked)",
        fontsize=11,
    )
    figure.tight_layout()
    save_small(figure, sys.argv[2])


if __name__ == "__main__":
    main()
