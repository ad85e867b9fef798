#include "chart/literal_reference.h"

#include "chart/colour_count.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <tuple>
#include <utility>

namespace literal {

using chart::ChartModel;
using chart::CubeArray;
using chart::CubeCell;
using chart::LevelCounts;
using chart::QuantisationCube;
using platform::Rgb;

namespace {

struct Triple {
    int r = 0;
    int g = 0;
    int b = 0;
};

// Halves go to the even neighbour in the default rounding mode.
int rnd(double x) { return static_cast<int>(std::nearbyint(x)); }

CubeCell unpack(std::int32_t packed) { return CubeCell{packed / 10000, packed / 100 % 100, packed % 100}; }
std::int32_t packed(CubeCell c) { return literal::pack(c.r, c.g, c.b); }
std::int32_t mergeTarget(std::int32_t marker) { return -marker - 1; }

Rgb levelColour(const QuantisationCube& cube, CubeCell c) {
    return Rgb{static_cast<std::uint8_t>(cube.levelValues[0][c.r]), static_cast<std::uint8_t>(cube.levelValues[1][c.g]),
               static_cast<std::uint8_t>(cube.levelValues[2][c.b])};
}

// Every cell of a cube with these level counts, red level outermost and blue level innermost.
std::vector<CubeCell> cubeCells(LevelCounts n) {
    std::vector<CubeCell> cells;
    for (int r = 0; r < n.red; ++r)
        for (int g = 0; g < n.green; ++g)
            for (int b = 0; b < n.blue; ++b) cells.push_back(CubeCell{r, g, b});
    return cells;
}

// ---- colour distance ----

// A channel's rank is 1 + the number of distinct values larger than its own.
int rankAmong(int own, int other1, int other2) {
    if (other1 > own && other2 > own) return other1 == other2 ? 2 : 3;
    return other1 > own || other2 > own ? 2 : 1;
}

// The channel ranks red-green-blue as the digits of a number: 123, 111, 212, …
int rankPattern(Triple t) {
    return rankAmong(t.r, t.g, t.b) * 100 + rankAmong(t.g, t.r, t.b) * 10 + rankAmong(t.b, t.r, t.g);
}

Triple snap(Triple t, int tolerance) {
    Triple s = t;
    if (std::abs(t.g - t.r) <= tolerance) s.g = t.r;
    if (std::abs(t.b - t.r) <= tolerance) s.b = t.r;
    return s;
}

struct KRow {
    int candidate;
    int tenth[2];  // k = 0.1
    int fifth[2];  // k = 0.2
};

constexpr KRow kTable[] = {
    {112, {123, 213}, {0, 0}},     {121, {132, 231}, {0, 0}},     {211, {312, 321}, {0, 0}},
    {122, {0, 0}, {123, 132}},     {212, {0, 0}, {213, 312}},     {221, {0, 0}, {231, 321}},
    {123, {112, 122}, {132, 213}}, {132, {121, 122}, {123, 231}}, {213, {112, 212}, {123, 312}},
    {231, {121, 221}, {132, 321}}, {312, {211, 212}, {213, 321}}, {321, {211, 221}, {231, 312}},
};

double kFor(int p, int q) {
    for (const KRow& row : kTable) {
        if (p != row.candidate) continue;
        if (q == row.tenth[0] || q == row.tenth[1]) return 0.1;
        if (q == row.fifth[0] || q == row.fifth[1]) return 0.2;
    }
    return 1.5;
}

// The distance of candidate x from reference m for hue weight W.
double colourDistance(int hueWeight, Triple m, Triple x) {
    const int dr = m.r - x.r;
    const int dg = m.g - x.g;
    const int db = m.b - x.b;
    const double e = std::sqrt(static_cast<double>(dr * dr + dg * dg + db * db));

    const int t = std::max(1, (hueWeight - 6) / 2 + 1);
    const int p = rankPattern(snap(x, t));
    const int q = rankPattern(snap(m, t));
    const double w = hueWeight / 10.0;

    double f;
    if (p == 111)
        f = q == 111 ? 1.0 : 1 + w * 0.8;
    else if (q == 111)
        f = 1 + w * 2.0;
    else if (p == q)
        f = 1.0;
    else
        f = 1 + w * kFor(p, q);
    return e * f;
}

int nearestCode(const palette::ColourTable& table, int hueWeight, int r, int g, int b) {
    const int s = r + g + b;
    const int wn = static_cast<int>(std::trunc(3000.0 / static_cast<double>(table.size()) + 300));

    std::size_t start = table.size();
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (table[i].sum >= 0 && table[i].sum <= s + wn) {
            start = i;
            break;
        }
    }
    if (start == table.size()) return -1;

    double best = 999999.0;
    int answer = -2;
    for (std::size_t i = start; i < table.size(); ++i) {
        const palette::ColourEntry& entry = table[i];
        if (entry.sum < 0) continue;
        if (entry.sum <= s - wn) break;
        const double d = colourDistance(hueWeight, Triple{entry.matchR, entry.matchG, entry.matchB}, Triple{r, g, b});
        if (d < best) {
            best = d;
            answer = static_cast<int>(i);
        }
        if (d == 0) break;
    }
    return answer;
}

// ---- cube ----

std::vector<std::int32_t> searchedFields(const palette::ColourTable& table) {
    std::vector<std::int32_t> fields;
    for (const palette::ColourEntry& e : table) fields.insert(fields.end(), {e.sum, e.matchR, e.matchG, e.matchB});
    return fields;
}

void buildCube(QuantisationCube& cube, LevelCounts n, const palette::ColourTable& table, int hueWeight,
               CodesOrigin& origin) {
    for (auto& channel : cube.levelValues) channel.fill(0);
    cube.carry = {0, 0, 0};
    const int counts[3] = {n.red, n.green, n.blue};
    for (int c = 0; c < 3; ++c)
        for (int i = 0; i < counts[c]; ++i) cube.levelValues[c][i] = levelValue(i, counts[c]);
    cube.levels = n;
    cube.counts = CubeArray<std::int32_t>(n, 0);

    std::vector<std::int32_t> searched = searchedFields(table);
    if (cube.rebuildCodes || cube.codes.atOffset(0) == -1 || origin.levels != n ||
        origin.hueWeight != hueWeight || origin.searched != searched) {
        cube.codes = CubeArray<std::int16_t>(n, -1);
        for (CubeCell c : cubeCells(n)) {
            const Rgb v = levelColour(cube, c);
            cube.codes.at(c) = static_cast<std::int16_t>(nearestCode(table, hueWeight, v.r, v.g, v.b));
        }
        origin = CodesOrigin{std::move(searched), hueWeight, n};
    }
}

// Plain rounding, halves to the even level, with one step (from the red count) for all channels.
CubeCell quantise(const QuantisationCube& cube, int r, int g, int b) {
    const int step = 256 / (cube.levels.red - 1);
    const auto level = [step](int v, int levels) { return std::clamp(rnd(static_cast<double>(v) / step), 0, levels - 1); };
    return CubeCell{level(r, cube.levels.red), level(g, cube.levels.green), level(b, cube.levels.blue)};
}

CubeCell quantiseWithDiffusion(QuantisationCube& cube, const palette::ColourTable& table, int r, int g, int b) {
    const int own[3] = {r, g, b};
    int v[3];
    for (int c = 0; c < 3; ++c) v[c] = own[c] + cube.carry[c];

    const int mx = std::max({v[0], v[1], v[2]});
    if (mx > 255)
        for (int& x : v)
            if (x > 0) x = rnd(static_cast<double>(x) / mx * 255);
    const int mn = std::min({v[0], v[1], v[2]});
    if (mn < 0)
        for (int& x : v)
            if (x < 255) x = 255 - rnd(static_cast<double>(255 - x) / (255 - mn) * 255);

    const CubeCell cell = quantise(cube, v[0], v[1], v[2]);
    const int code = cube.codes.at(cell);
    if (code < 0) {
        cube.carry = {0, 0, 0};
    } else {
        const palette::ColourEntry& e = table[static_cast<std::size_t>(code)];
        const int shown[3] = {e.r, e.g, e.b};
        for (int c = 0; c < 3; ++c) cube.carry[c] = (own[c] - shown[c]) / 15;
    }
    return cell;
}

// ---- sampling ----

bool visitedBefore(CubeCell a, CubeCell b) { return std::tie(a.r, a.g, a.b) < std::tie(b.r, b.g, b.b); }

Rgb sampleCell(ChartModel& model, const palette::ColourTable& table, int column, int row, bool diffusion, bool boundary) {
    QuantisationCube& cube = model.cube;
    int n = 0;
    std::int64_t sums[3] = {0, 0, 0};
    std::vector<std::pair<CubeCell, int>> tally;
    for (int x = column * model.cellWidth; x < (column + 1) * model.cellWidth; ++x) {
        for (int y = row * model.cellHeight; y < (row + 1) * model.cellHeight; ++y) {
            const int bx = static_cast<int>(static_cast<std::int64_t>(x) * model.source.width() / model.displayWidth);
            const int by = static_cast<int>(static_cast<std::int64_t>(y) * model.source.height() / model.displayHeight);
            const Rgb p = model.source.at(bx, by);
            ++n;
            sums[0] += p.r;
            sums[1] += p.g;
            sums[2] += p.b;
            const CubeCell c = quantise(cube, p.r, p.g, p.b);
            auto seen = std::find_if(tally.begin(), tally.end(), [c](const auto& t) { return t.first == c; });
            if (seen == tally.end()) tally.push_back({c, 1});
            else ++seen->second;
        }
    }

    // The most frequent cube cell; on a tie the one met first going through the cube red-green-blue.
    int m = 0;
    CubeCell dominant;
    for (const auto& [c, count] : tally) {
        if (count > m || (count == m && visitedBefore(c, dominant))) {
            m = count;
            dominant = c;
        }
    }

    // A dominant cube cell stands for the cell in its level colour, otherwise the average colour does.
    Rgb chosen = levelColour(cube, dominant);
    if (!((boundary && m >= n / 2) || m >= static_cast<int>(std::trunc(n * 0.8))))
        chosen = Rgb{static_cast<std::uint8_t>(sums[0] / n), static_cast<std::uint8_t>(sums[1] / n),
                     static_cast<std::uint8_t>(sums[2] / n)};

    const CubeCell cell = diffusion ? quantiseWithDiffusion(cube, table, chosen.r, chosen.g, chosen.b)
                                    : quantise(cube, chosen.r, chosen.g, chosen.b);
    cube.counts.at(cell) += 1;
    model.cell(column, row) = packed(cell);
    return levelColour(cube, cell);
}

void makeMosaic(ChartModel& model, const palette::ColourTable& table, bool diffusion, bool boundary) {
    model.columns = model.displayWidth / model.cellWidth;
    model.rows = model.displayHeight / model.cellHeight;
    model.displayWidth = model.columns * model.cellWidth;
    model.displayHeight = model.rows * model.cellHeight;
    for (int column = 0; column < model.columns; ++column)
        for (int row = 0; row < model.rows; ++row)
            model.cellColour(column, row) = sampleCell(model, table, column, row, diffusion, boundary);
}

// ---- colour list ----

int countColours(ChartModel& model, palette::ColourTable& table) {
    for (palette::ColourEntry& entry : table) entry.symbol = "";
    model.colourList.rows.fill(chart::ColourListRow{});

    std::vector<Rgb> colours;
    for (CubeCell c : cubeCells(model.cube.levels)) {
        const std::int32_t count = model.cube.counts.at(c);
        if (count <= 0) continue;
        const int code = model.cube.codes.at(c);
        palette::ColourEntry* entry = code >= 0 ? &table[static_cast<std::size_t>(code)] : nullptr;
        const Rgb colour = entry != nullptr ? Rgb{static_cast<std::uint8_t>(entry->r), static_cast<std::uint8_t>(entry->g),
                                                  static_cast<std::uint8_t>(entry->b)}
                                            : Rgb{255, 255, 255};
        const std::size_t k = static_cast<std::size_t>(std::find(colours.begin(), colours.end(), colour) - colours.begin());
        const bool firstMet = k == colours.size();
        if (firstMet) colours.push_back(colour);
        if (k > 55) continue;
        chart::ColourListRow& line = model.colourList.rows[k];
        if (!firstMet) {
            line.count += count;
            continue;
        }
        const bool white = colour == Rgb{255, 255, 255};
        line = chart::ColourListRow{white ? " " : chart::kChartSymbols[k], entry != nullptr ? entry->code : "",
                                    entry != nullptr ? entry->name : "", count, colour.r, colour.g, colour.b};
        if (entry != nullptr) entry->symbol = line.symbol;
    }
    model.colourList.coloursInUse = static_cast<int>(colours.size());
    return model.colourList.coloursInUse;
}

// ---- reduction ----

// A cube cell in use: its key "%.6d:r:g:b", whose text order is the working list's order, and the
// count and cell the text was written from.
struct Key {
    std::string text;
    int count;
    CubeCell cell;
};

// The colon sorts before the digits, as in the locale's word order.
bool keyBefore(const Key& a, const Key& b) {
    const auto weight = [](char c) { return c == ':' ? 0 : 1 + static_cast<unsigned char>(c); };
    const std::size_t common = std::min(a.text.size(), b.text.size());
    for (std::size_t i = 0; i < common; ++i)
        if (a.text[i] != b.text[i]) return weight(a.text[i]) < weight(b.text[i]);
    return a.text.size() < b.text.size();
}

std::vector<Key> keysInUse(const QuantisationCube& cube) {
    std::vector<Key> keys;
    char text[64];
    for (CubeCell c : cubeCells(cube.levels)) {
        if (const int count = cube.counts.at(c); count > 0) {
            std::snprintf(text, sizeof text, "%.6d:%d:%d:%d", count, c.r, c.g, c.b);
            keys.push_back(Key{text, count, c});
        }
    }
    return keys;
}

int cellsInUse(const QuantisationCube& cube) {
    int used = 0;
    for (CubeCell c : cubeCells(cube.levels)) used += cube.counts.at(c) > 0;
    return used;
}

bool tryMerge(QuantisationCube& cube, int hueWeight, CubeCell i, CubeCell j, int tolerance) {
    const int d = static_cast<int>(std::trunc(colourDistance(hueWeight, Triple{i.r, i.g, i.b}, Triple{j.r, j.g, j.b})));
    if (d > tolerance) return false;
    cube.counts.at(j) += cube.counts.at(i);
    cube.counts.at(i) = mergeMarker(packed(j));
    return true;
}

chart::ReductionResult reduce(ChartModel& model, palette::ColourTable& table, int hueWeight, int m) {
    QuantisationCube& cube = model.cube;
    const int first = countColours(model, table);
    if (first <= m) return chart::ReductionResult{true, first, false};

    std::vector<Key> working = keysInUse(cube);
    std::sort(working.begin(), working.end(), keyBefore);
    const int keys = static_cast<int>(working.size());

    // Rare counts lie below lo, which rises from one and a half to three times the pivot count.
    const int pivot = working[static_cast<std::size_t>(keys - m)].count;
    int lo = static_cast<int>(std::trunc(pivot * 1.5));
    const int hi = pivot * 3;
    const int s = (hi - lo) / 5 + 1;

    int inUse = 0;
    while (lo < hi) {
        for (int t = 1; t <= 14; ++t) {
            for (int i = 0; i < keys; ++i) {
                const Key& rare = working[static_cast<std::size_t>(i)];
                if (!(rare.count < lo && cube.counts.at(rare.cell) > 0)) continue;
                for (int j = keys - 1; j > i && working[static_cast<std::size_t>(j)].count >= lo; --j)
                    if (tryMerge(cube, hueWeight, rare.cell, working[static_cast<std::size_t>(j)].cell, t)) break;
            }
            inUse = cellsInUse(cube);
            if (inUse <= m) break;
            const int count = countColours(model, table);
            if (count <= m) return chart::ReductionResult{true, count, true};
        }
        if (inUse <= m) break;
        lo += s;
    }
    if (inUse <= m) return chart::ReductionResult{true, countColours(model, table), true};
    return chart::ReductionResult{false, inUse, true};
}

// ---- merge pass and code colours ----

CubeCell followChain(const QuantisationCube& cube, std::int32_t v) {
    CubeCell c = unpack(mergeTarget(v));
    for (int step = 0; step < 10; ++step) {
        if (cube.counts.at(c) >= 0) break;
        c = unpack(mergeTarget(cube.counts.at(c)));
    }
    if (cube.counts.at(c) != 0) return c;
    return CubeCell{0, 0, 0};
}

void applyMerges(ChartModel& model) {
    const QuantisationCube& cube = model.cube;
    for (int x = 0; x < model.columns; ++x) {
        for (int y = 0; y < model.rows; ++y) {
            if (model.cell(x, y) < 0) continue;
            CubeCell c = unpack(model.cell(x, y));
            if (cube.counts.at(c) >= 0) continue;
            c = unpack(mergeTarget(cube.counts.at(c)));
            const std::int32_t v = cube.counts.at(c);
            if (v == 0)
                c = CubeCell{0, 0, 0};
            else if (v < 0)
                c = followChain(cube, v);
            model.cell(x, y) = packed(c);
            model.cellColour(x, y) = levelColour(cube, c);
        }
    }
}

void paintCodeColours(ChartModel& model, const palette::ColourTable& table) {
    for (int x = 0; x < model.columns; ++x) {
        for (int y = 0; y < model.rows; ++y) {
            if (model.cell(x, y) < 0) continue;
            const int code = model.cube.codes.at(unpack(model.cell(x, y)));
            Rgb brush{255, 255, 255};
            if (code < 0) {
                model.cell(x, y) = -1;
            } else {
                const palette::ColourEntry& e = table[static_cast<std::size_t>(code)];
                brush = Rgb{static_cast<std::uint8_t>(e.r), static_cast<std::uint8_t>(e.g), static_cast<std::uint8_t>(e.b)};
            }
            model.cellColour(x, y) = brush;
        }
    }
}

}  // namespace

std::int32_t pack(int r, int g, int b) { return r * 10000 + g * 100 + b; }

std::int32_t mergeMarker(std::int32_t packedTarget) { return -(packedTarget + 1); }

int levelValue(int level, int levels) { return level == levels - 1 ? 255 : level * (256 / (levels - 1)); }

chart::ChartOutcome makeChart(ChartModel& model, palette::ColourTable& table, const chart::ChartRequest& request,
                              CodesOrigin& origin) {
    chart::ChartOutcome outcome;
    const LevelCounts n = request.levels;
    for (int count : {n.red, n.green, n.blue})
        if (count < 2 || count > 20) outcome.message = "level counts must lie from 2 to 20";
    if (model.source.empty()) outcome.message = "there is no picture";
    if (table.empty()) outcome.message = "the colour table is empty";
    if (!outcome.message.empty()) return outcome;

    buildCube(model.cube, n, table, request.hueWeight, origin);
    makeMosaic(model, table, !request.smoothing, request.boundary);
    model.options = chart::ChartOptions{request.smoothing, request.boundary, request.maxColours, request.codeSystem};
    model.cube.rebuildCodes = false;

    outcome.reduction = reduce(model, table, request.hueWeight, request.maxColours);
    if (outcome.reduction.success) {
        applyMerges(model);
        paintCodeColours(model, table);
    }
    return outcome;
}

}  // namespace literal
