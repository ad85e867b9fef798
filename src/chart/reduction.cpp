#include "chart/reduction.h"

#include "chart/colour_count.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace chart {
namespace {

constexpr int kLargestTolerance = 14;
constexpr std::uint8_t kFar = 255;  // any distance beyond every tolerance

// A cube cell in use, with its count from before any merge.
struct Key {
    std::string text;  // "%.6d:r:g:b"
    std::int32_t count;
    CubeCell cell;
    std::size_t offset;
};

// Text order as the locale collates these keys: ':' before the digits, a prefix before a longer text.
bool keyTextLess(const std::string& a, const std::string& b) {
    auto weight = [](char c) { return c == ':' ? '0' - 1 : static_cast<int>(c); };
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [&](char x, char y) { return weight(x) < weight(y); });
}

std::vector<Key> sortedKeys(const QuantisationCube& cube) {
    std::vector<Key> keys;
    char text[48];
    for (std::size_t offset = 0; offset < cube.counts.size(); ++offset) {
        const std::int32_t count = cube.counts.atOffset(offset);
        if (count <= 0) continue;
        const CubeCell c = cube.counts.cellAt(offset);
        std::snprintf(text, sizeof text, "%.6d:%d:%d:%d", count, c.r, c.g, c.b);
        keys.push_back(Key{text, count, c, offset});
    }
    std::sort(keys.begin(), keys.end(), [](const Key& a, const Key& b) { return keyTextLess(a.text, b.text); });
    return keys;
}

int cellsInUse(const QuantisationCube& cube) {
    int used = 0;
    for (std::size_t offset = 0; offset < cube.counts.size(); ++offset) used += cube.counts.atOffset(offset) > 0;
    return used;
}

// Rare cells look for partners among the most used ones, from the top of the list down. Both the
// list and the cube levels stay fixed for a run, so each pair's truncated distance is worked out once.
class PartnerDistances {
public:
    PartnerDistances(const std::vector<Key>& keys, const ColourDistance& distance)
        : keys_(keys), distance_(distance), fromTop_(keys.size()) {}

    // Distance of rare cell i to the partner `below` places under the top of the list.
    std::uint8_t at(std::size_t i, std::size_t below) {
        std::vector<std::uint8_t>& row = fromTop_[i];
        while (row.size() <= below) {
            const Key& partner = keys_[keys_.size() - 1 - row.size()];
            const Key& rare = keys_[i];
            const double d = distance_(Triple{rare.cell.r, rare.cell.g, rare.cell.b},
                                       Triple{partner.cell.r, partner.cell.g, partner.cell.b});
            row.push_back(d >= kFar ? kFar : static_cast<std::uint8_t>(d));
        }
        return row[below];
    }

private:
    const std::vector<Key>& keys_;
    const ColourDistance& distance_;
    std::vector<std::vector<std::uint8_t>> fromTop_;
};

}  // namespace

ReductionResult reduceColours(ChartModel& model, palette::ColourTable& table, const ColourDistance& distance,
                              int maxColours) {
    const int m = maxColours;
    const int initial = countColoursInUse(model, table);
    if (initial <= m) return ReductionResult{true, initial, false};

    QuantisationCube& cube = model.cube;
    const std::vector<Key> keys = sortedKeys(cube);
    const std::size_t total = keys.size();

    // Thresholds for "rare": from one and a half to three times the smallest count among the m most
    // used. More colours than m means more cells than m, so that count exists.
    const long long pivot = keys[total - static_cast<std::size_t>(m)].count;
    long long lo = pivot * 3 / 2;
    const long long hi = pivot * 3;
    const long long step = (hi - lo) / 5 + 1;

    PartnerDistances distances(keys, distance);
    int remaining = static_cast<int>(total);
    while (lo < hi) {
        // Partners are the cells counted at least lo: a block at the top of the ascending list.
        std::size_t partners = 0;
        while (partners < total && keys[total - 1 - partners].count >= lo) ++partners;
        const std::size_t rare = total - partners;
        std::vector<std::uint8_t> nearest(rare, kFar);
        for (std::size_t i = 0; i < rare; ++i) {
            if (cube.counts.atOffset(keys[i].offset) <= 0) continue;
            for (std::size_t below = 0; below < partners; ++below) nearest[i] = std::min(nearest[i], distances.at(i, below));
        }

        for (int tolerance = 1; tolerance <= kLargestTolerance; ++tolerance) {
            for (std::size_t i = 0; i < rare; ++i) {
                std::int32_t& rareCount = cube.counts.atOffset(keys[i].offset);
                if (rareCount <= 0 || nearest[i] > tolerance) continue;
                for (std::size_t below = 0; below < partners; ++below) {
                    if (distances.at(i, below) > tolerance) continue;
                    const Key& partner = keys[total - 1 - below];
                    cube.counts.atOffset(partner.offset) += rareCount;
                    rareCount = mergeMarker(pack(partner.cell));
                    break;
                }
            }
            remaining = cellsInUse(cube);
            if (remaining <= m) break;
            const int colours = countColoursInUse(model, table);
            if (colours <= m) return ReductionResult{true, colours, true};
        }
        if (remaining <= m) break;
        lo += step;
    }

    if (remaining <= m) return ReductionResult{true, countColoursInUse(model, table), true};
    return ReductionResult{false, remaining, true};
}

}  // namespace chart
