#include "chart/literal_reference.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace literal {

using chart::ChartModel;
using chart::CubeArray;
using chart::CubeCell;
using chart::LevelCounts;
using chart::QuantisationCube;
using platform::Rgb;

const std::array<const char*, chart::kColourListRows> kSymbols{
    "Ｘ", "☆", "○", "◎", "▽", "★", "◇", "△", "田", "∃", "＞", "山", "／", "◆",
    "＜", "Ｌ", "※", "▲", "＋", "Ｍ", "＊", "＃", "♪", "♂", "♀", "〆", "П", "〒",
    "＄", "ロ", "％", "＆", "＝", "Ω", "Σ", "▼", "㊥", "Ｖ", "Ａ", "Ｄ", "Ｅ", "㊦",
    "Ｋ", "Ｓ", "Ｒ", "Ｚ", "￡", "Ю", "Ｗ", "中", "谷", "三", "五", "七", "九", "古"};

namespace {

// Halves go to the even neighbour in the default rounding mode.
int rnd(double x) { return static_cast<int>(std::nearbyint(x)); }

// ---- colour distance ----

int snapTolerance(int hueWeight) { return std::max(1, (hueWeight - 6) / 2 + 1); }

Triple snap(Triple t, int tolerance) {
    Triple s = t;
    if (std::abs(t.g - t.r) <= tolerance) s.g = t.r;
    if (std::abs(t.b - t.r) <= tolerance) s.b = t.r;
    return s;
}

struct KRow {
    const char* candidate;
    const char* tenth[2];  // k = 0.1
    const char* fifth[2];  // k = 0.2
};

constexpr KRow kTable[] = {
    {"112", {"123", "213"}, {nullptr, nullptr}}, {"121", {"132", "231"}, {nullptr, nullptr}},
    {"211", {"312", "321"}, {nullptr, nullptr}}, {"122", {nullptr, nullptr}, {"123", "132"}},
    {"212", {nullptr, nullptr}, {"213", "312"}}, {"221", {nullptr, nullptr}, {"231", "321"}},
    {"123", {"112", "122"}, {"132", "213"}},     {"132", {"121", "122"}, {"123", "231"}},
    {"213", {"112", "212"}, {"123", "312"}},     {"231", {"121", "221"}, {"132", "321"}},
    {"312", {"211", "212"}, {"213", "321"}},     {"321", {"211", "221"}, {"231", "312"}},
};

double kFor(const std::string& p, const std::string& q) {
    for (const KRow& row : kTable) {
        if (p != row.candidate) continue;
        for (const char* s : row.tenth)
            if (s != nullptr && q == s) return 0.1;
        for (const char* s : row.fifth)
            if (s != nullptr && q == s) return 0.2;
    }
    return 1.5;
}

// ---- cube ----

bool sameShape(LevelCounts a, LevelCounts b) { return a.red == b.red && a.green == b.green && a.blue == b.blue; }

int channelLevels(const QuantisationCube& cube, int channel) {
    return channel == 0 ? cube.levels.red : channel == 1 ? cube.levels.green : cube.levels.blue;
}

void fillCubeCodes(QuantisationCube& cube, const palette::ColourTable& table, int hueWeight) {
    for (int r = 0; r < cube.levels.red; ++r)
        for (int g = 0; g < cube.levels.green; ++g)
            for (int b = 0; b < cube.levels.blue; ++b)
                cube.codes.at(r, g, b) = static_cast<std::int16_t>(nearestCode(
                    table, hueWeight, cube.levelValues[0][r], cube.levelValues[1][g], cube.levelValues[2][b]));
}

void buildCube(QuantisationCube& cube, LevelCounts n, const palette::ColourTable& table, int hueWeight) {
    for (auto& channel : cube.levelValues) channel.fill(0);
    cube.carry = {0, 0, 0};
    const int counts[3] = {n.red, n.green, n.blue};
    for (int c = 0; c < 3; ++c)
        for (int i = 0; i < counts[c]; ++i) cube.levelValues[c][i] = levelValue(i, counts[c]);
    cube.levels = n;
    cube.counts = CubeArray<std::int32_t>(n, 0);
    if (cube.rebuildCodes || cube.codes.atOffset(0) == -1 || !sameShape(cube.codes.levels(), n)) {
        cube.codes = CubeArray<std::int16_t>(n, chart::kNoCode);
        fillCubeCodes(cube, table, hueWeight);
    }
}

CubeCell levelsOf(const QuantisationCube& cube, const int v[3]) {
    const int step = 256 / (cube.levels.red - 1);
    int level[3];
    for (int c = 0; c < 3; ++c) {
        level[c] = rnd(static_cast<double>(v[c]) / step);
        level[c] = std::clamp(level[c], 0, channelLevels(cube, c) - 1);
    }
    return CubeCell{level[0], level[1], level[2]};
}

CubeCell quantise(const QuantisationCube& cube, int r, int g, int b) {
    const int v[3] = {r, g, b};
    return levelsOf(cube, v);
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

    const CubeCell cell = levelsOf(cube, v);
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

Rgb sampleCell(ChartModel& model, const palette::ColourTable& table, CubeArray<std::int32_t>& tally, int column,
               int row, bool diffusion, bool boundary) {
    QuantisationCube& cube = model.cube;
    const int left = column * model.cellWidth;
    const int top = row * model.cellHeight;
    const int right = (column + 1) * model.cellWidth;
    const int bottom = (row + 1) * model.cellHeight;

    int n = 0;
    std::int64_t sums[3] = {0, 0, 0};
    for (int x = left; x < right; ++x) {
        for (int y = top; y < bottom; ++y) {
            const int bx = static_cast<int>(static_cast<std::int64_t>(x) * model.source.width() / model.displayWidth);
            const int by =
                static_cast<int>(static_cast<std::int64_t>(y) * model.source.height() / model.displayHeight);
            const Rgb p = model.source.at(bx, by);
            ++n;
            sums[0] += p.r;
            sums[1] += p.g;
            sums[2] += p.b;
            tally.at(quantise(cube, p.r, p.g, p.b)) += 1;
        }
    }

    int m = 0;
    CubeCell dominant;
    for (int r = 0; r < cube.levels.red; ++r)
        for (int g = 0; g < cube.levels.green; ++g)
            for (int b = 0; b < cube.levels.blue; ++b) {
                if (tally.at(r, g, b) > m) {
                    m = tally.at(r, g, b);
                    dominant = CubeCell{r, g, b};
                }
                tally.at(r, g, b) = 0;
            }

    if (n == 0) return Rgb{0, 0, 0};

    int chosen[3];
    if ((boundary && m >= n / 2) || m >= static_cast<int>(std::trunc(n * 0.8))) {
        chosen[0] = cube.levelValues[0][dominant.r];
        chosen[1] = cube.levelValues[1][dominant.g];
        chosen[2] = cube.levelValues[2][dominant.b];
    } else {
        for (int c = 0; c < 3; ++c) chosen[c] = static_cast<int>(sums[c] / n);
    }

    const CubeCell cell = diffusion ? quantiseWithDiffusion(cube, table, chosen[0], chosen[1], chosen[2])
                                    : quantise(cube, chosen[0], chosen[1], chosen[2]);
    cube.counts.at(cell) += 1;
    model.cell(column, row) = chart::pack(cell);
    return cube.levelColour(cell);
}

void makeMosaic(ChartModel& model, const palette::ColourTable& table, bool diffusion, bool boundary) {
    std::fill(model.picture.begin(), model.picture.end(), platform::kWhite);
    model.columns = model.displayWidth / model.cellWidth;
    model.rows = model.displayHeight / model.cellHeight;
    if (model.columns * model.cellWidth != model.displayWidth || model.rows * model.cellHeight != model.displayHeight) {
        model.displayWidth = model.columns * model.cellWidth;
        model.displayHeight = model.rows * model.cellHeight;
    }
    CubeArray<std::int32_t> tally(model.cube.levels, 0);
    for (int column = 0; column < model.columns; ++column)
        for (int row = 0; row < model.rows; ++row)
            model.cellColour(column, row) = sampleCell(model, table, tally, column, row, diffusion, boundary);
}

// ---- reduction ----

int numberOrZero(const std::string& text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && text[first] == ' ') ++first;
    while (last > first && text[last - 1] == ' ') --last;
    if (first == last) return 0;
    std::size_t i = first;
    if (text[i] == '-' || text[i] == '+') ++i;
    if (i == last) return 0;
    for (std::size_t k = i; k < last; ++k)
        if (text[k] < '0' || text[k] > '9') return 0;
    return std::atoi(text.substr(first, last - first).c_str());
}

int keyCount(const std::string& key) { return numberOrZero(key.substr(0, key.find(':'))); }

std::vector<std::string> keysInUse(const QuantisationCube& cube) {
    std::vector<std::string> keys;
    for (int r = 0; r < cube.levels.red; ++r)
        for (int g = 0; g < cube.levels.green; ++g)
            for (int b = 0; b < cube.levels.blue; ++b)
                if (cube.counts.at(r, g, b) > 0) keys.push_back(reductionKey(cube.counts.at(r, g, b), r, g, b));
    return keys;
}

bool tryMerge(QuantisationCube& cube, int hueWeight, const std::string& keyI, const std::string& keyJ, int tolerance) {
    Triple i;
    Triple j;
    if (!parseKey(keyI, i.r, i.g, i.b) || !parseKey(keyJ, j.r, j.g, j.b)) return false;
    const int d = static_cast<int>(std::trunc(colourDistance(hueWeight, i, j)));
    if (d > tolerance) return false;
    cube.counts.at(j.r, j.g, j.b) += cube.counts.at(i.r, i.g, i.b);
    cube.counts.at(i.r, i.g, i.b) = chart::mergeMarker(chart::pack(j.r, j.g, j.b));
    return true;
}

chart::ReductionResult reduce(ChartModel& model, palette::ColourTable& table, int hueWeight, int maxColours) {
    QuantisationCube& cube = model.cube;
    const int m = maxColours;
    chart::ReductionResult result;

    const int first = countColoursInUse(model, table);
    if (first <= m) {
        result.success = true;
        result.colours = first;
        return result;
    }
    result.merged = true;

    std::vector<std::string> working = keysInUse(cube);
    std::sort(working.begin(), working.end(), keyBefore);
    const int keys = static_cast<int>(working.size());

    Thresholds th;
    const int e = keys - m;
    if (e >= 1) th = thresholdsFor(keyCount(working[static_cast<std::size_t>(e)]));
    int lo = th.lo;
    const int hi = th.hi;
    const int s = th.step;

    std::vector<std::string> scratch;
    while (lo < hi) {
        for (int t = 1; t <= 14; ++t) {
            for (int i = 0; i < keys; ++i) {
                const std::string& keyI = working[static_cast<std::size_t>(i)];
                Triple cell;
                if (!parseKey(keyI, cell.r, cell.g, cell.b)) continue;
                if (!(keyCount(keyI) < lo && cube.counts.at(cell.r, cell.g, cell.b) > 0)) continue;
                int j = keys - 1;
                while (j > i && keyCount(working[static_cast<std::size_t>(j)]) >= lo) {
                    if (tryMerge(cube, hueWeight, keyI, working[static_cast<std::size_t>(j)], t)) break;
                    --j;
                }
            }
            scratch = keysInUse(cube);
            if (static_cast<int>(scratch.size()) <= m) break;
            const int count = countColoursInUse(model, table);
            if (count <= m) {
                result.success = true;
                result.colours = count;
                return result;
            }
        }
        if (static_cast<int>(scratch.size()) <= m) break;
        lo += s;
    }

    result.colours = static_cast<int>(scratch.size());
    if (result.colours <= m) {
        result.success = true;
        result.colours = countColoursInUse(model, table);
    }
    return result;
}

// ---- merge pass ----

CubeCell followChain(const QuantisationCube& cube, std::int32_t v) {
    CubeCell c = chart::unpack(chart::mergeTarget(v));
    for (int step = 0; step < 10; ++step) {
        if (cube.counts.at(c) >= 0) break;
        c = chart::unpack(chart::mergeTarget(cube.counts.at(c)));
    }
    if (cube.counts.at(c) != 0) return c;
    return CubeCell{0, 0, 0};
}

void applyMerges(ChartModel& model) {
    const QuantisationCube& cube = model.cube;
    for (int x = 0; x < model.columns; ++x) {
        for (int y = 0; y < model.rows; ++y) {
            if (model.cell(x, y) < 0) continue;
            CubeCell c = chart::unpack(model.cell(x, y));
            if (cube.counts.at(c) >= 0) continue;
            c = chart::unpack(chart::mergeTarget(cube.counts.at(c)));
            const std::int32_t v = cube.counts.at(c);
            if (v == 0)
                c = CubeCell{0, 0, 0};
            else if (v < 0)
                c = followChain(cube, v);
            model.cell(x, y) = chart::pack(c);
            model.cellColour(x, y) = Rgb{static_cast<std::uint8_t>(cube.levelValues[0][c.r]),
                                         static_cast<std::uint8_t>(cube.levelValues[1][c.g]),
                                         static_cast<std::uint8_t>(cube.levelValues[2][c.b])};
        }
    }
}

// ---- code painting ----

void paintCodeColours(ChartModel& model, const palette::ColourTable& table) {
    for (int x = 0; x < model.columns; ++x) {
        for (int y = 0; y < model.rows; ++y) {
            if (model.cell(x, y) < 0) continue;
            const int code = model.cube.codes.at(chart::unpack(model.cell(x, y)));
            Rgb brush{255, 255, 255};
            if (code < 0) {
                model.cell(x, y) = -1;
            } else {
                const palette::ColourEntry& e = table[static_cast<std::size_t>(code)];
                brush = Rgb{static_cast<std::uint8_t>(e.r), static_cast<std::uint8_t>(e.g),
                            static_cast<std::uint8_t>(e.b)};
            }
            model.cellColour(x, y) = brush;
        }
    }
}

}  // namespace

std::string rankPattern(Triple t) {
    const int v[3] = {t.r, t.g, t.b};
    std::string text;
    for (int own : v) {
        int larger = 0;
        std::vector<int> seen;
        for (int other : v) {
            if (other > own && std::find(seen.begin(), seen.end(), other) == seen.end()) {
                seen.push_back(other);
                ++larger;
            }
        }
        text += static_cast<char>('0' + 1 + larger);
    }
    return text;
}

double colourDistance(int hueWeight, Triple m, Triple x) {
    const int dr = m.r - x.r;
    const int dg = m.g - x.g;
    const int db = m.b - x.b;
    const double e = std::sqrt(static_cast<double>(dr * dr + dg * dg + db * db));

    const int t = snapTolerance(hueWeight);
    const std::string p = rankPattern(snap(x, t));
    const std::string q = rankPattern(snap(m, t));
    const double w = hueWeight / 10.0;

    double f;
    if (p == "111")
        f = q == "111" ? 1.0 : 1 + w * 0.8;
    else if (q == "111")
        f = 1 + w * 2.0;
    else if (p == q)
        f = 1.0;
    else
        f = 1 + w * kFor(p, q);
    return e * f;
}

int nearestCodeWindow(int entries) { return static_cast<int>(std::trunc(3000.0 / entries + 300)); }

int nearestCode(const palette::ColourTable& table, int hueWeight, int r, int g, int b) {
    const int s = r + g + b;
    const int wn = nearestCodeWindow(static_cast<int>(table.size()));

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

int levelValue(int level, int levels) {
    if (level == levels - 1) return 255;
    return level * (256 / (levels - 1));
}

std::string reductionKey(int count, int r, int g, int b) {
    char text[64];
    std::snprintf(text, sizeof text, "%.6d:%d:%d:%d", count, r, g, b);
    return text;
}

bool keyBefore(const std::string& a, const std::string& b) {
    // The colon sorts before the digits, as in the locale's word order.
    const auto weight = [](char c) { return c == ':' ? 0 : 1 + static_cast<unsigned char>(c); };
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i)
        if (a[i] != b[i]) return weight(a[i]) < weight(b[i]);
    return a.size() < b.size();
}

bool parseKey(const std::string& key, int& r, int& g, int& b) {
    const std::size_t first = key.find(':');
    if (first == std::string::npos) return false;
    std::string rest = key.substr(first + 1);

    std::size_t colon = rest.find(':');
    const std::string rField = rest.substr(0, colon);
    rest = colon == std::string::npos ? std::string() : rest.substr(colon + 1);
    colon = rest.find(':');
    const std::string gField = rest.substr(0, colon);
    rest = colon == std::string::npos ? std::string() : rest.substr(colon + 1);
    colon = rest.find(':');
    const std::string bField = rest.substr(0, colon);

    if (rField.empty() || gField.empty()) return false;
    if (bField.empty() && colon != std::string::npos) return false;
    r = numberOrZero(rField);
    g = numberOrZero(gField);
    b = numberOrZero(bField);
    return true;
}

Thresholds thresholdsFor(int pivotCount) {
    Thresholds th;
    th.lo = static_cast<int>(std::trunc(pivotCount * 1.5));
    th.hi = pivotCount * 3;
    th.step = (th.hi - th.lo) / 5 + 1;
    return th;
}

int countColoursInUse(ChartModel& model, palette::ColourTable& table) {
    for (palette::ColourEntry& entry : table) entry.symbol = "";
    for (chart::ColourListRow& row : model.colourList.rows) {
        row.symbol = " ";
        row.code = " ";
        row.name = " ";
        row.count = 0;
        row.r = 0;
        row.g = 0;
        row.b = 0;
    }

    std::vector<Triple> colours;
    const QuantisationCube& cube = model.cube;
    for (int r = 0; r < cube.levels.red; ++r) {
        for (int g = 0; g < cube.levels.green; ++g) {
            for (int b = 0; b < cube.levels.blue; ++b) {
                const std::int32_t count = cube.counts.at(r, g, b);
                if (count <= 0) continue;
                const int code = cube.codes.at(r, g, b);
                palette::ColourEntry* entry = code >= 0 ? &table[static_cast<std::size_t>(code)] : nullptr;
                const Triple colour = entry != nullptr ? Triple{entry->r, entry->g, entry->b} : Triple{255, 255, 255};

                std::size_t k = 0;
                while (k < colours.size() &&
                       !(colours[k].r == colour.r && colours[k].g == colour.g && colours[k].b == colour.b))
                    ++k;

                if (k == colours.size()) {
                    const std::size_t row = colours.size();
                    colours.push_back(colour);
                    if (row <= 55) {
                        chart::ColourListRow& line = model.colourList.rows[row];
                        line.count = count;
                        line.r = colour.r;
                        line.g = colour.g;
                        line.b = colour.b;
                        line.code = entry != nullptr ? entry->code : "";
                        line.name = entry != nullptr ? entry->name : "";
                        const bool white = colour.r == 255 && colour.g == 255 && colour.b == 255;
                        line.symbol = white ? " " : kSymbols[row];
                        if (entry != nullptr) entry->symbol = line.symbol;
                    }
                } else if (k <= 55) {
                    model.colourList.rows[k].count += count;
                }
            }
        }
    }
    model.colourList.coloursInUse = static_cast<int>(colours.size());
    return static_cast<int>(colours.size());
}

chart::ChartOutcome makeChart(ChartModel& model, palette::ColourTable& table, const chart::ChartRequest& request) {
    chart::ChartOutcome outcome;
    if (model.source.empty()) {
        outcome.message = "no source picture";
        return outcome;
    }
    const LevelCounts n = request.levels;
    for (int count : {n.red, n.green, n.blue}) {
        if (count < 2 || count > 20) {
            outcome.message = "level counts must lie between 2 and 20";
            return outcome;
        }
    }
    if (table.empty()) {
        outcome.message = "the colour table is empty";
        return outcome;
    }

    buildCube(model.cube, n, table, request.hueWeight);
    makeMosaic(model, table, !request.smoothing, request.boundary);

    model.options.smoothing = request.smoothing;
    model.options.boundary = request.boundary;
    model.options.maxColours = request.maxColours;
    model.options.codeSystem = request.codeSystem;
    model.cube.rebuildCodes = false;

    outcome.reduction = reduce(model, table, request.hueWeight, request.maxColours);
    if (outcome.reduction.success) {
        applyMerges(model);
        paintCodeColours(model, table);
    }
    return outcome;
}

}  // namespace literal
