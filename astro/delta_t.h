// Delta T, the difference between Terrestrial Time and Universal Time (UT1).
#pragma once

namespace astro {

// TT - UT in seconds at the Universal Time Julian day `julianDay` (any finite value).
// - From 1972 until the end of ERFA's leap-second table (2027.0): 32.184 s + TAI - UTC from
//   eraDat, within 0.9 s of TT - UT1 because UTC is kept within 0.9 s of UT1.
// - Before 1972: the polynomials of Espenak & Meeus (2006, "Five Millennium Canon of Solar
//   Eclipses", NASA/TP-2006-214141), fitted to the observed values (within about 1 s from 1900
//   on; before -500 and after 2150 their parabola of Morrison & Stephenson 2004).
// - From 2027.0: the long-term parabola of Morrison & Stephenson (2004), -20 + 32 u^2 with
//   u = (year - 1820) / 100, joined to the leap-second value by a linear term that vanishes in
//   2150, as Espenak & Meeus join their own polynomial to it from 2050 to 2150.
double deltaT(double julianDay);

}  // namespace astro
