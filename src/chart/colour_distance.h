#pragma once

namespace chart {

struct Triple {
    int a = 0;  // red
    int b = 0;  // green
    int c = 0;  // blue
};

// Which channels are largest, as ranks red-green-blue ("123", "111", …) packed as a small number.
enum class RankPattern : unsigned char {
    P111, P112, P121, P211, P122, P212, P221, P123, P132, P213, P231, P312, P321
};

RankPattern rankPattern(Triple t);

// The colour distance of a colour-code system with hue weight W: the Euclidean distance times a
// factor that grows when the two colours order their channels differently. Not symmetric: the
// reference m and the candidate x play different roles.
class ColourDistance {
public:
    explicit ColourDistance(int hueWeight);

    double operator()(Triple m, Triple x) const;

    int hueWeight() const { return weight_; }
    int snapTolerance() const { return tolerance_; }
    double hueFactor(RankPattern candidate, RankPattern reference) const;
    Triple snapped(Triple t) const;

private:
    int weight_;
    int tolerance_;
    double factors_[13][13];  // [candidate][reference]
};

}  // namespace chart
