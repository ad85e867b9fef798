#include "chart/perceived_colour.h"

#include <array>
#include <cmath>
#include <numbers>

namespace chart {
namespace {

constexpr double kPi = std::numbers::pi;

// sRGB channel value to linear light.
const std::array<double, 256>& linearLight() {
    static const std::array<double, 256> table = [] {
        std::array<double, 256> t{};
        for (int v = 0; v < 256; ++v) {
            const double c = v / 255.0;
            t[static_cast<std::size_t>(v)] = c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        }
        return t;
    }();
    return table;
}

double labCurve(double t) {
    constexpr double kEpsilon = 216.0 / 24389.0;
    constexpr double kKappa = 24389.0 / 27.0;
    return t > kEpsilon ? std::cbrt(t) : (kKappa * t + 16.0) / 116.0;
}

double degrees(double radians) { return radians * 180.0 / kPi; }
double seventhPower(double x) {
    const double x2 = x * x;
    return x2 * x2 * x2 * x;
}
double radians(double degrees) { return degrees * kPi / 180.0; }

// Hue angle in degrees, 0 to 360; 0 for a grey.
double hueAngle(double b, double a) {
    if (a == 0 && b == 0) return 0;
    const double h = degrees(std::atan2(b, a));
    return h < 0 ? h + 360.0 : h;
}

}  // namespace

Lab labOf(platform::Rgb colour) {
    const auto& lin = linearLight();
    const double r = lin[colour.r];
    const double g = lin[colour.g];
    const double b = lin[colour.b];
    // Relative to the D65 white point.
    const double x = (0.4124564 * r + 0.3575761 * g + 0.1804375 * b) / 0.95047;
    const double y = 0.2126729 * r + 0.7151522 * g + 0.0721750 * b;
    const double z = (0.0193339 * r + 0.1191920 * g + 0.9503041 * b) / 1.08883;
    const double fx = labCurve(x);
    const double fy = labCurve(y);
    const double fz = labCurve(z);
    return Lab{116.0 * fy - 16.0, 500.0 * (fx - fy), 200.0 * (fy - fz)};
}

double perceivedDifference(const Lab& x, const Lab& y) {
    const double c1 = std::hypot(x.a, x.b);
    const double c2 = std::hypot(y.a, y.b);
    const double cMean7 = seventhPower((c1 + c2) / 2.0);
    const double g = 0.5 * (1.0 - std::sqrt(cMean7 / (cMean7 + 6103515625.0)));  // 25^7
    const double a1 = (1.0 + g) * x.a;
    const double a2 = (1.0 + g) * y.a;
    const double cp1 = std::hypot(a1, x.b);
    const double cp2 = std::hypot(a2, y.b);
    const double hp1 = hueAngle(x.b, a1);
    const double hp2 = hueAngle(y.b, a2);

    const double dL = y.l - x.l;
    const double dC = cp2 - cp1;
    double dh = 0;
    if (cp1 * cp2 != 0) {
        dh = hp2 - hp1;
        if (dh > 180) dh -= 360;
        else if (dh < -180) dh += 360;
    }
    const double dH = 2.0 * std::sqrt(cp1 * cp2) * std::sin(radians(dh / 2.0));

    const double lMean = (x.l + y.l) / 2.0;
    const double cpMean = (cp1 + cp2) / 2.0;
    double hMean = hp1 + hp2;
    if (cp1 * cp2 != 0) {
        if (std::abs(hp1 - hp2) <= 180) hMean /= 2.0;
        else hMean = hMean < 360 ? (hMean + 360) / 2.0 : (hMean - 360) / 2.0;
    }
    const double t = 1.0 - 0.17 * std::cos(radians(hMean - 30)) + 0.24 * std::cos(radians(2 * hMean)) +
                     0.32 * std::cos(radians(3 * hMean + 6)) - 0.20 * std::cos(radians(4 * hMean - 63));
    const double hueOffset = (hMean - 275.0) / 25.0;
    const double dTheta = 30.0 * std::exp(-hueOffset * hueOffset);
    const double cpMean7 = seventhPower(cpMean);
    const double rc = 2.0 * std::sqrt(cpMean7 / (cpMean7 + 6103515625.0));
    const double l50 = (lMean - 50.0) * (lMean - 50.0);
    const double sl = 1.0 + 0.015 * l50 / std::sqrt(20.0 + l50);
    const double sc = 1.0 + 0.045 * cpMean;
    const double sh = 1.0 + 0.015 * cpMean * t;
    const double rt = -std::sin(radians(2.0 * dTheta)) * rc;

    const double tl = dL / sl;
    const double tc = dC / sc;
    const double th = dH / sh;
    return std::sqrt(tl * tl + tc * tc + th * th + rt * tc * th);
}

}  // namespace chart
