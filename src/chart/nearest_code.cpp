#include "chart/nearest_code.h"

#include <cmath>

namespace chart {

int nearestCodeWindow(int entries) { return 3000 / entries + 300; }

int nearestCode(const palette::ColourTable& table, const ColourDistance& distance, int r, int g, int b) {
    const long long brightness = static_cast<long long>(r) + g + b;
    const int window = nearestCodeWindow(static_cast<int>(table.size()));
    const long long brightest = brightness + window;
    const long long darkest = brightness - window;  // excluded

    std::size_t first = 0;
    while (first < table.size() && !(table[first].sum >= 0 && table[first].sum <= brightest)) ++first;
    if (first == table.size()) return kNoEntryBelowWindow;

    const Triple candidate{r, g, b};
    double best = 999999.0;
    int answer = kEmptyWindow;
    for (std::size_t i = first; i < table.size(); ++i) {
        const palette::ColourEntry& entry = table[i];
        if (entry.sum < 0) continue;
        if (entry.sum <= darkest) break;  // the table is ordered by brightness: the rest is darker still
        const long long dr = entry.matchR - r;
        const long long dg = entry.matchG - g;
        const long long db = entry.matchB - b;
        // The hue factor is at least 1, so an entry whose plain distance is no better cannot win.
        const double plain = std::sqrt(static_cast<double>(dr * dr + dg * dg + db * db));
        if (plain >= best) continue;
        const double d = distance(Triple{entry.matchR, entry.matchG, entry.matchB}, candidate);
        if (d < best) {
            best = d;
            answer = static_cast<int>(i);
            if (d == 0.0) break;
        }
    }
    return answer;
}

CodesSource codesSourceOf(const palette::ColourTable& table, const ColourDistance& distance) {
    // FNV-1a over exactly the fields the search reads; the table size is kept apart and compared
    // exactly, so even a fingerprint collision never lets a code index past the table's end.
    std::uint64_t hash = 14695981039346656037ULL;
    const auto mix = [&hash](std::int32_t value) {
        for (int byte = 0; byte < 4; ++byte) {
            hash ^= static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) >> (8 * byte));
            hash *= 1099511628211ULL;
        }
    };
    for (const palette::ColourEntry& entry : table) {
        mix(entry.sum);
        mix(entry.matchR);
        mix(entry.matchG);
        mix(entry.matchB);
    }
    return CodesSource{table.size(), hash, distance.hueWeight()};
}

void fillCubeCodes(QuantisationCube& cube, const palette::ColourTable& table, const ColourDistance& distance) {
    const LevelCounts n = cube.levels;
    cube.codes = CubeArray<std::int16_t>(n, kNoCode);
    cube.codesSource = codesSourceOf(table, distance);
    for (int r = 0; r < n.red; ++r) {
        for (int g = 0; g < n.green; ++g) {
            for (int b = 0; b < n.blue; ++b) {
                const int code = nearestCode(table, distance, cube.levelValues[0][r], cube.levelValues[1][g],
                                             cube.levelValues[2][b]);
                cube.codes.at(r, g, b) = static_cast<std::int16_t>(code);
            }
        }
    }
}

}  // namespace chart
