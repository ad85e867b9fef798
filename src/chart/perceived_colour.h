#pragma once

#include "platform/bitmap.h"

namespace chart {

// A colour as the eye orders it: CIELAB under daylight (D65), L from 0 (black) to 100 (white).
struct Lab {
    double l = 0;
    double a = 0;
    double b = 0;
};

// The CIELAB of an sRGB colour.
Lab labOf(platform::Rgb colour);

// The difference a person sees between two colours (CIEDE2000, all weights 1): about 1 is just
// noticeable, 2 to 10 is seen at a glance.
double perceivedDifference(const Lab& x, const Lab& y);

// The squared straight distance in CIELAB: cheap, and ordered close enough to the perceived difference
// to pick out the few candidates that the perceived difference then decides between.
inline double labDistanceSquared(const Lab& x, const Lab& y) {
    const double dl = x.l - y.l;
    const double da = x.a - y.a;
    const double db = x.b - y.b;
    return dl * dl + da * da + db * db;
}

}  // namespace chart
