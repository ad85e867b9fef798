#include "chart/colour_distance.h"

#include <cmath>
#include <cstdlib>

namespace chart {
namespace {

constexpr int kPatterns = 13;

// The pairs whose channel orders are close: the factor grows by only a tenth or a fifth of the weight.
struct RelatedPatterns {
    RankPattern candidate;
    RankPattern tenth[2];
    RankPattern fifth[2];
    int tenthCount;
    int fifthCount;
};

using P = RankPattern;
constexpr RelatedPatterns kRelated[] = {
    {P::P112, {P::P123, P::P213}, {}, 2, 0},
    {P::P121, {P::P132, P::P231}, {}, 2, 0},
    {P::P211, {P::P312, P::P321}, {}, 2, 0},
    {P::P122, {}, {P::P123, P::P132}, 0, 2},
    {P::P212, {}, {P::P213, P::P312}, 0, 2},
    {P::P221, {}, {P::P231, P::P321}, 0, 2},
    {P::P123, {P::P112, P::P122}, {P::P132, P::P213}, 2, 2},
    {P::P132, {P::P121, P::P122}, {P::P123, P::P231}, 2, 2},
    {P::P213, {P::P112, P::P212}, {P::P123, P::P312}, 2, 2},
    {P::P231, {P::P121, P::P221}, {P::P132, P::P321}, 2, 2},
    {P::P312, {P::P211, P::P212}, {P::P213, P::P321}, 2, 2},
    {P::P321, {P::P211, P::P221}, {P::P231, P::P312}, 2, 2},
};

constexpr double kUnrelated = 1.5;
constexpr double kGreyCandidate = 0.8;
constexpr double kGreyReference = 2.0;

int index(RankPattern p) { return static_cast<int>(p); }

// Rank of value v against the two others: 1 + the number of distinct values larger than it.
int rankAmong(int v, int o1, int o2) { return 1 + (o1 > v) + (o2 > v) - (o1 > v && o1 == o2); }

}  // namespace

RankPattern rankPattern(Triple t) {
    const int code = rankAmong(t.a, t.b, t.c) * 100 + rankAmong(t.b, t.a, t.c) * 10 + rankAmong(t.c, t.a, t.b);
    switch (code) {
        case 111: return P::P111;
        case 112: return P::P112;
        case 121: return P::P121;
        case 211: return P::P211;
        case 122: return P::P122;
        case 212: return P::P212;
        case 221: return P::P221;
        case 123: return P::P123;
        case 132: return P::P132;
        case 213: return P::P213;
        case 231: return P::P231;
        case 312: return P::P312;
        default: return P::P321;
    }
}

ColourDistance::ColourDistance(int hueWeight) : weight_(hueWeight) {
    tolerance_ = (hueWeight - 6) / 2 + 1;
    if (tolerance_ < 1) tolerance_ = 1;
    const double share = hueWeight / 10.0;
    auto factor = [share](double k) { return 1.0 + share * k; };
    for (int c = 0; c < kPatterns; ++c) {
        for (int r = 0; r < kPatterns; ++r) factors_[c][r] = c == r ? 1.0 : factor(kUnrelated);
    }
    for (const RelatedPatterns& related : kRelated) {
        for (int i = 0; i < related.tenthCount; ++i) factors_[index(related.candidate)][index(related.tenth[i])] = factor(0.1);
        for (int i = 0; i < related.fifthCount; ++i) factors_[index(related.candidate)][index(related.fifth[i])] = factor(0.2);
    }
    // Greys last: they override the table for every pattern.
    for (int r = 0; r < kPatterns; ++r) {
        factors_[index(P::P111)][r] = r == index(P::P111) ? 1.0 : factor(kGreyCandidate);
        if (r != index(P::P111)) factors_[r][index(P::P111)] = factor(kGreyReference);
    }
}

double ColourDistance::hueFactor(RankPattern candidate, RankPattern reference) const {
    return factors_[index(candidate)][index(reference)];
}

Triple ColourDistance::snapped(Triple t) const {
    if (std::abs(t.b - t.a) <= tolerance_) t.b = t.a;
    if (std::abs(t.c - t.a) <= tolerance_) t.c = t.a;
    return t;
}

double ColourDistance::operator()(Triple m, Triple x) const {
    const long long dr = m.a - x.a;
    const long long dg = m.b - x.b;
    const long long db = m.c - x.c;
    const double e = std::sqrt(static_cast<double>(dr * dr + dg * dg + db * db));
    return e * hueFactor(rankPattern(snapped(x)), rankPattern(snapped(m)));
}

}  // namespace chart
