// Delta T, the difference between Terrestrial Time and Universal Time (UT1).
#pragma once

namespace astro {

// TT - UT in seconds at the Universal Time Julian day `julianDay` (any finite value).
// - From 1972 until the end of ERFA's leap-second table (2027.0): 32.184 s + TAI - UTC from
//   eraDat, within 0.9 s of TT - UT1 because UTC is kept within 0.9 s of UT1.
// - Before 1972: the polynomials of Espenak & Meeus (2006, "Five Millennium Canon of Solar
//   Eclipses", NASA/TP-2006-214141), fitted to the observed values (within about 1 s from 1900
//   on; before -500 and after 2150 their parabola of Morrison & Stephenson 2004).
// - From 2027.0: Espenak & Meeus's forecast, 62.92 + 0.32217 t + 0.005589 t^2 with
//   t = year - 2000, moved down to meet the leap-second value in 2027; from 2050 their join
//   to the long-term parabola of Morrison & Stephenson (2004), -20 + 32 u^2 with
//   u = (year - 1820) / 100, less a linear term that meets the forecast in 2050 and vanishes
//   in 2150; the parabola alone after 2150. A forecast: its uncertainty grows to a minute or
//   more by 2100.
double deltaT(double julianDay);

}  // namespace astro
