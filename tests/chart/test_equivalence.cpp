// The engine against the plain reference pipeline: both make a chart from the same picture with the
// same request, and every observable result must agree — outcome, geometry, cube, grid, chart
// picture, colour list and the symbols written into the colour table.

#include "chart/literal_reference.h"
#include "chart/pipeline.h"
#include "chart/test_pictures.h"
#include "palette/catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

using chart::ChartModel;
using chart::ChartOutcome;
using chart::ChartRequest;
using chart::LevelCounts;
using palette::ColourEntry;
using palette::ColourTable;
using test_pictures::Scene;

// ---- colour tables ----

struct TableSetup {
    std::string name;
    std::string system;
    int hueWeight = 10;
    ColourTable table;
};

TableSetup shippedTable(const std::string& shortName, const std::string& system) {
    const palette::LoadResult loaded = palette::chooseCodeSystem(std::string(TESSALY_SOURCE_DIR) + "/cfg", system);
    EXPECT_EQ(loaded.message, "") << system;
    return TableSetup{shortName, system, loaded.system.settings.hueWeight, loaded.system.table};
}

ColourEntry entry(std::string code, int r, int g, int b, int sum, int mr, int mg, int mb) {
    ColourEntry e;
    e.code = code;
    e.name = "name " + code;
    e.r = r;
    e.g = g;
    e.b = b;
    e.sum = sum;
    e.matchR = mr;
    e.matchG = mg;
    e.matchB = mb;
    return e;
}

// Tables are read in file order, brightest first.
void brightestFirst(ColourTable& t) {
    std::stable_sort(t.begin(), t.end(), [](const ColourEntry& a, const ColourEntry& b) { return a.sum > b.sum; });
}

ColourEntry plainEntry(std::string code, int r, int g, int b) { return entry(code, r, g, b, r + g + b, r, g, b); }

// Small and wide-windowed; match colours and sums that differ from the shown colour, and two
// entries that show the same white so that they share a colour-list row.
TableSetup handMadeTable() {
    ColourTable t{
        entry("H01", 255, 255, 255, 765, 250, 250, 250), plainEntry("H02", 255, 255, 255),
        entry("H03", 250, 230, 60, 600, 245, 235, 50),   plainEntry("H04", 230, 80, 120),
        entry("H05", 60, 170, 70, 330, 70, 160, 60),     plainEntry("H06", 150, 75, 80),
        plainEntry("H07", 40, 90, 160),                  plainEntry("H08", 128, 128, 128),
        entry("H09", 120, 60, 20, 190, 110, 60, 30),     plainEntry("H10", 30, 30, 90),
        plainEntry("H11", 0, 0, 0),
    };
    brightestFirst(t);
    return TableSetup{"handmade", "hand", 15, t};
}

// Appends `count` entries coded prefix00, prefix01, … with the colours colourOf(i) gives.
template <typename ColourOf>
void addNumberedEntries(ColourTable& t, const char* prefix, int count, ColourOf colourOf) {
    for (int i = 0; i < count; ++i) {
        char code[8];
        std::snprintf(code, sizeof code, "%s%02d", prefix, i);
        const auto [r, g, b] = colourOf(i);
        t.push_back(plainEntry(code, r, g, b));
    }
}

// Near-white and near-black entries only: mid-brightness cube cells find no entry in their window.
TableSetup gapTable() {
    ColourTable t;
    addNumberedEntries(t, "W", 80, [](int i) {
        return std::array<int, 3>{255 - (i % 5) * 5, 255 - (i / 5 % 4) * 6, 255 - (i / 20) * 7};
    });
    addNumberedEntries(t, "K", 40, [](int i) { return std::array<int, 3>{(i % 4) * 5, (i / 4 % 5) * 4, (i / 20) * 10}; });
    brightestFirst(t);
    return TableSetup{"gap", "gap", 10, t};
}

// Only light entries: dark cube cells, black among them, are darker than every window.
TableSetup brightOnlyTable() {
    ColourTable t;
    addNumberedEntries(t, "L", 60, [](int i) {
        return std::array<int, 3>{255 - (i % 6) * 20, 255 - (i / 6 % 5) * 25, 255 - (i / 30) * 60};
    });
    brightestFirst(t);
    return TableSetup{"bright", "bright", 7, t};
}

const std::vector<TableSetup>& tables() {
    static const std::vector<TableSetup> all{shippedTable("dmc", "DMC(刺繍糸)"), shippedTable("icon", "アイコン"),
                                             handMadeTable(), gapTable(), brightOnlyTable()};
    return all;
}

const std::vector<Scene>& scenes() {
    static const std::vector<Scene> all = test_pictures::standardScenes();
    return all;
}

// ---- comparison ----

std::string levelsText(LevelCounts n) {
    return std::to_string(n.red) + "x" + std::to_string(n.green) + "x" + std::to_string(n.blue);
}

std::string requestText(const ChartRequest& r) {
    std::ostringstream out;
    out << "levels " << levelsText(r.levels) << ", max " << r.maxColours << ", W " << r.hueWeight
        << (r.smoothing ? ", smoothing" : "") << (r.boundary ? ", boundary" : "");
    return out.str();
}

std::string rgbText(platform::Rgb c) {
    return "(" + std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b) + ")";
}

// Collects the first difference of each kind, engine value first.
class Differences {
public:
    template <typename T>
    void check(const std::string& what, const T& engine, const T& reference) {
        if (engine == reference || seen_.count(kind(what)) != 0) return;
        seen_[kind(what)] = true;
        out_ << "  " << what << ": engine " << ::testing::PrintToString(engine) << ", reference "
             << ::testing::PrintToString(reference) << "\n";
    }
    std::string text() const { return out_.str(); }

private:
    static std::string kind(const std::string& what) { return what.substr(0, what.find('[')); }
    std::map<std::string, bool> seen_;
    std::ostringstream out_;
};

std::string cellText(int c, int r) { return "[" + std::to_string(c) + "," + std::to_string(r) + "]"; }

std::string compare(const ChartOutcome& fo, const ChartModel& f, const ColourTable& ft, const ChartOutcome& lo,
                    const ChartModel& l, const ColourTable& lt, bool wholeGrid) {
    Differences d;
    d.check("message", fo.message, lo.message);
    d.check("success", fo.reduction.success, lo.reduction.success);
    d.check("colours", fo.reduction.colours, lo.reduction.colours);
    d.check("merged", fo.reduction.merged, lo.reduction.merged);

    d.check("columns", f.columns, l.columns);
    d.check("rows", f.rows, l.rows);
    d.check("displayWidth", f.displayWidth, l.displayWidth);
    d.check("displayHeight", f.displayHeight, l.displayHeight);

    const chart::QuantisationCube& fc = f.cube;
    const chart::QuantisationCube& lc = l.cube;
    d.check("cube levels", levelsText(fc.levels), levelsText(lc.levels));
    d.check("level values", fc.levelValues, lc.levelValues);
    d.check("carry", fc.carry, lc.carry);
    d.check("rebuild flag", fc.rebuildCodes, lc.rebuildCodes);
    d.check("counts shape", levelsText(fc.counts.levels()), levelsText(lc.counts.levels()));
    d.check("codes shape", levelsText(fc.codes.levels()), levelsText(lc.codes.levels()));
    if (fc.counts.size() == lc.counts.size())
        for (std::size_t i = 0; i < fc.counts.size(); ++i)
            if (fc.counts.atOffset(i) != lc.counts.atOffset(i))
                d.check("cube count[" + std::to_string(i) + "]", fc.counts.atOffset(i), lc.counts.atOffset(i));
    if (fc.codes.size() == lc.codes.size())
        for (std::size_t i = 0; i < fc.codes.size(); ++i)
            if (fc.codes.atOffset(i) != lc.codes.atOffset(i))
                d.check("cube code[" + std::to_string(i) + "]", fc.codes.atOffset(i), lc.codes.atOffset(i));

    const int columns = wholeGrid ? chart::kGridSize : std::min(f.columns, l.columns);
    const int rows = wholeGrid ? chart::kGridSize : std::min(f.rows, l.rows);
    for (int c = 0; c < columns; ++c)
        for (int r = 0; r < rows; ++r)
            if (f.cell(c, r) != l.cell(c, r)) d.check("grid" + cellText(c, r), f.cell(c, r), l.cell(c, r));
    for (int c = 0; c < std::min(f.columns, l.columns); ++c)
        for (int r = 0; r < std::min(f.rows, l.rows); ++r)
            if (f.cellColour(c, r) != l.cellColour(c, r))
                d.check("picture" + cellText(c, r), rgbText(f.cellColour(c, r)), rgbText(l.cellColour(c, r)));

    d.check("options.smoothing", f.options.smoothing, l.options.smoothing);
    d.check("options.boundary", f.options.boundary, l.options.boundary);
    d.check("options.maxColours", f.options.maxColours, l.options.maxColours);
    d.check("options.codeSystem", f.options.codeSystem, l.options.codeSystem);

    d.check("coloursInUse", f.colourList.coloursInUse, l.colourList.coloursInUse);
    for (int i = 0; i < chart::kColourListRows; ++i) {
        const chart::ColourListRow& a = f.colourList.rows[static_cast<std::size_t>(i)];
        const chart::ColourListRow& b = l.colourList.rows[static_cast<std::size_t>(i)];
        const std::string at = "[" + std::to_string(i) + "]";
        d.check("row symbol" + at, a.symbol, b.symbol);
        d.check("row code" + at, a.code, b.code);
        d.check("row name" + at, a.name, b.name);
        d.check("row count" + at, a.count, b.count);
        d.check("row colour" + at, std::vector<int>{a.r, a.g, a.b}, std::vector<int>{b.r, b.g, b.b});
    }
    d.check("table size", ft.size(), lt.size());
    for (std::size_t i = 0; i < std::min(ft.size(), lt.size()); ++i)
        d.check("table symbol[" + std::to_string(i) + "]", ft[i].symbol, lt[i].symbol);
    return d.text();
}

ChartModel modelOf(const Scene& scene) {
    ChartModel model;
    model.source = scene.picture;
    model.displayWidth = scene.displayWidth;
    model.displayHeight = scene.displayHeight;
    model.cellWidth = scene.cellWidth;
    model.cellHeight = scene.cellHeight;
    return model;
}

// Both pipelines on their own model and their own copy of the table, side by side.
struct Pair {
    ChartModel engine;
    ChartModel reference;
    ColourTable engineTable;
    ColourTable referenceTable;

    Pair(const Scene& scene, const ColourTable& table)
        : engine(modelOf(scene)), reference(modelOf(scene)), engineTable(table), referenceTable(table) {}

    // Empty when both agree; otherwise the differences.
    std::string make(const ChartRequest& request, bool wholeGrid = false) {
        const ChartOutcome fo = chart::makeChart(engine, engineTable, request);
        const ChartOutcome lo = literal::makeChart(reference, referenceTable, request);
        return compare(fo, engine, engineTable, lo, reference, referenceTable, wholeGrid);
    }
};

ChartRequest requestFor(const TableSetup& t, int levels, int maxColours, bool smoothing, bool boundary) {
    ChartRequest request;
    request.codeSystem = t.system;
    request.levels = LevelCounts{levels, levels, levels};
    request.hueWeight = t.hueWeight;
    request.maxColours = maxColours;
    request.smoothing = smoothing;
    request.boundary = boundary;
    return request;
}

// ---- the reference itself, against the worked examples it was written from ----

TEST(LiteralReference, DistanceMatchesWorkedExamples) {
    using literal::Triple;
    EXPECT_EQ(literal::rankPattern({10, 30, 20}), "312");
    EXPECT_EQ(literal::rankPattern({50, 200, 200}), "211");
    EXPECT_EQ(literal::rankPattern({200, 100, 100}), "122");
    EXPECT_EQ(literal::rankPattern({7, 7, 7}), "111");

    // With W = 10 the snap tolerance is 3: (200, 203, 100) reads as "112", (200, 204, 100) as "213".
    const Triple grey{100, 100, 100};
    EXPECT_DOUBLE_EQ(literal::colourDistance(10, Triple{200, 203, 100}, Triple{200, 200, 100}), 3.0);
    EXPECT_DOUBLE_EQ(literal::colourDistance(10, Triple{200, 204, 100}, Triple{200, 200, 100}), 4.0 * 1.1);

    const Triple red{130, 100, 100};
    EXPECT_DOUBLE_EQ(literal::colourDistance(10, red, grey), 30 * 1.8);  // grey candidate
    EXPECT_DOUBLE_EQ(literal::colourDistance(10, grey, red), 30 * 3.0);  // grey reference
    EXPECT_DOUBLE_EQ(literal::colourDistance(15, grey, red), 30 * 4.0);
    // "123" against "132" is a near miss (1.2); against "321" unrelated (2.5).
    EXPECT_DOUBLE_EQ(literal::colourDistance(10, Triple{30, 20, 10}, Triple{30, 10, 20}), std::sqrt(200.0) * 1.2);
    EXPECT_DOUBLE_EQ(literal::colourDistance(10, Triple{10, 20, 30}, Triple{30, 20, 10}), std::sqrt(800.0) * 2.5);

    EXPECT_EQ(literal::nearestCodeWindow(455), 306);
    EXPECT_EQ(literal::nearestCodeWindow(16), 487);
}

TEST(LiteralReference, NearestCodeWindowAndTies) {
    // Two equal entries: the earlier wins, and a table whose window is empty answers -2 or -1.
    const ColourTable table{plainEntry("A", 255, 255, 255), plainEntry("B", 250, 250, 250),
                            plainEntry("C", 250, 250, 250), plainEntry("D", 0, 0, 0)};
    EXPECT_EQ(literal::nearestCode(table, 10, 250, 250, 250), 1);
    EXPECT_EQ(literal::nearestCodeWindow(2), 1800);
    const ColourTable bright{plainEntry("A", 255, 255, 255)};
    EXPECT_EQ(literal::nearestCode(bright, 10, 0, 0, 0), 0);  // a one-entry table's window covers everything

    TableSetup gap = gapTable();
    EXPECT_EQ(literal::nearestCode(gap.table, 10, 126, 126, 126), -2);
    TableSetup light = brightOnlyTable();
    EXPECT_EQ(literal::nearestCode(light.table, 7, 0, 0, 0), -1);
}

TEST(LiteralReference, LevelsKeysAndSymbols) {
    const std::vector<int> seven{0, 42, 84, 126, 168, 210, 255};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(literal::levelValue(i, 7), seven[static_cast<std::size_t>(i)]);
    EXPECT_EQ(literal::levelValue(6, 8), 216);
    EXPECT_EQ(literal::levelValue(1, 2), 255);
    EXPECT_EQ(literal::levelValue(16, 18), 240);

    EXPECT_EQ(literal::reductionKey(123, 4, 0, 17), "000123:4:0:17");
    EXPECT_TRUE(literal::keyBefore("000123:1:0:0", "000123:10:0:0"));
    EXPECT_TRUE(literal::keyBefore("000123:1:0:0", "000123:1:0:00"));
    EXPECT_TRUE(literal::keyBefore("000099:9:9:9", "000123:0:0:0"));
    int r = -1, g = -1, b = -1;
    EXPECT_TRUE(literal::parseKey("000123:4:0:17", r, g, b));
    EXPECT_EQ((std::vector<int>{r, g, b}), (std::vector<int>{4, 0, 17}));
    EXPECT_FALSE(literal::parseKey("000123", r, g, b));
    EXPECT_FALSE(literal::parseKey("000123::1:2", r, g, b));

    // A pivot count of 37 tries the thresholds 55, 67, 79, 91 and 103.
    const literal::Thresholds t = literal::thresholdsFor(37);
    EXPECT_EQ((std::vector<int>{t.lo, t.hi, t.step}), (std::vector<int>{55, 111, 12}));

    EXPECT_STREQ(literal::kSymbols[0], "Ｘ");
    EXPECT_STREQ(literal::kSymbols[36], "㊥");
    EXPECT_STREQ(literal::kSymbols[55], "古");
}

// ---- engine against reference ----

class ChartEquivalence : public ::testing::TestWithParam<std::tuple<std::size_t, std::size_t>> {};

TEST_P(ChartEquivalence, SameChartForEveryCubeSize) {
    const std::size_t sceneIndex = std::get<0>(GetParam());
    const std::size_t tableIndex = std::get<1>(GetParam());
    const Scene& scene = scenes()[sceneIndex];
    const TableSetup& table = tables()[tableIndex];

    // Cube sizes 8, 64, 323, 512, 1728 and 5832; the other options rotate so that across the suite
    // every maximum meets every combination of the two switches. The extreme maxima mostly end in a
    // failed reduction, the middle ones in merges that succeed, so each cube size gets one of each.
    const int levels[] = {2, 4, 7, 8, 12, 18};
    const int extremeMaxima[] = {1, 2, 10, 45, 56};
    const int middleMaxima[] = {3, 6, 16, 24, 36};
    for (int k = 0; k < 6; ++k) {
        const int v = static_cast<int>(sceneIndex * 7 + tableIndex * 3) + k;
        for (const ChartRequest& request :
             {requestFor(table, levels[k], extremeMaxima[v % 5], v % 2 == 1, (v / 2) % 2 == 1),
              requestFor(table, levels[k], middleMaxima[(v + 2) % 5], v % 2 == 0, (v / 2) % 2 == 1)}) {
            Pair pair(scene, table.table);
            EXPECT_EQ(pair.make(request), "") << requestText(request);
        }
    }
}

std::string caseName(const ::testing::TestParamInfo<ChartEquivalence::ParamType>& info) {
    return scenes()[std::get<0>(info.param)].name + "_" + tables()[std::get<1>(info.param)].name;
}

INSTANTIATE_TEST_SUITE_P(AllScenes, ChartEquivalence,
                         ::testing::Combine(::testing::Range<std::size_t>(0, test_pictures::standardScenes().size()),
                                            ::testing::Range<std::size_t>(0, 5)),
                         caseName);

// Random pictures, display sizes, cell shapes and requests (fixed seeds), with up to three charts
// in a row on one model, the whole grid compared so that leftovers of a bigger chart count too.
class RandomCharts : public ::testing::TestWithParam<std::uint32_t> {};

platform::Bitmap randomPicture(std::mt19937& random, int width, int height) {
    switch (random() % 8) {
        case 0: return test_pictures::gradient(width, height);
        case 1: return test_pictures::noise(width, height, random());
        case 2: return test_pictures::shapes(width, height);
        case 3: return test_pictures::photoLike(width, height, random());
        case 4: return test_pictures::fewFlatColours(width, height);
        case 5: return test_pictures::flat(width, height, platform::Rgb{static_cast<std::uint8_t>(random()), 128, 64});
        case 6: return test_pictures::greyRamp(width, height);
        default: return test_pictures::primaries(width, height);
    }
}

TEST_P(RandomCharts, SameChart) {
    std::mt19937 random(GetParam());
    const auto pick = [&random](int lo, int hi) {
        return lo + static_cast<int>(random() % static_cast<unsigned>(hi - lo + 1));
    };
    for (int round = 0; round < 20; ++round) {
        const int bitmapWidth = pick(3, 260);
        const int bitmapHeight = pick(3, 260);
        const platform::Bitmap picture = randomPicture(random, bitmapWidth, bitmapHeight);
        const int cellWidth = pick(1, 5);
        const int cellHeight = pick(1, 5);
        const Scene scene{"random", picture, pick(8, 90) * cellWidth + pick(0, cellWidth - 1),
                          pick(8, 90) * cellHeight + pick(0, cellHeight - 1), cellWidth, cellHeight};
        const TableSetup& table = tables()[static_cast<std::size_t>(pick(0, 4))];
        Pair pair(scene, table.table);
        for (int chartNo = pick(1, 3); chartNo > 0; --chartNo) {
            ChartRequest request = requestFor(table, pick(2, 18), pick(1, 56), pick(0, 1) == 1, pick(0, 1) == 1);
            if (pick(0, 5) == 0) request.levels = LevelCounts{pick(2, 18), pick(2, 18), pick(2, 18)};
            if (table.name != "dmc" && table.name != "icon") request.hueWeight = pick(0, 25);
            if (pick(0, 3) == 0) {
                pair.engine.cube.rebuildCodes = true;
                pair.reference.cube.rebuildCodes = true;
            }
            EXPECT_EQ(pair.make(request, true), "")
                << "round " << round << ", table " << table.name << ", bitmap " << bitmapWidth << "x" << bitmapHeight
                << ", display " << scene.displayWidth << "x" << scene.displayHeight << ", cell " << cellWidth << "x"
                << cellHeight << ", " << requestText(request);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomCharts, ::testing::Values(1u, 2u, 3u, 4u));

// One pixel per cell in exact level colours, so that the cube counts are chosen: a rare cell A next
// to a middling cell B, B itself close to the most used cell C, and two far-off cells that keep the
// colour count up until B is merged too, which leaves A at the end of the chain A -> B -> C.
Scene chainScene(int levels, const std::vector<std::array<int, 4>>& cellsAndCounts) {
    const auto value = [levels](int level) { return literal::levelValue(level, levels); };
    platform::Bitmap picture(10, 8);
    int i = 0;
    for (const auto& [r, g, b, count] : cellsAndCounts)
        for (int k = 0; k < count; ++k, ++i)
            picture.set(i / 8, i % 8,
                        platform::Rgb{static_cast<std::uint8_t>(value(r)), static_cast<std::uint8_t>(value(g)),
                                   static_cast<std::uint8_t>(value(b))});
    return Scene{"chain", picture, 10, 8, 1, 1};
}

TEST(ChartEquivalenceEdges, MergeChainsReachTheirEnd) {
    const TableSetup& dmc = tables()[0];
    // Thresholds 15, 19, 23 and 27 from the pivot count 10: B (16) takes A at 15 and goes to C at 19.
    const Scene coloured =
        chainScene(18, {{11, 5, 2, 2}, {0, 0, 17, 5}, {0, 17, 0, 10}, {10, 5, 2, 16}, {10, 5, 5, 47}});
    Pair first(coloured, dmc.table);
    EXPECT_EQ(first.make(requestFor(dmc, 18, 3, true, false)), "");
    ASSERT_TRUE(first.reference.cube.counts.at(11, 5, 2) < 0 && first.reference.cube.counts.at(10, 5, 2) < 0);
    EXPECT_EQ(first.reference.cell(0, 0), chart::pack(10, 5, 5));

    // The same ending in black, whose packed index is 0; each cell has its own exact code colour.
    TableSetup exact{"exact", "exact", 10,
                     {plainEntry("G", 0, 255, 0), plainEntry("U", 0, 0, 255), plainEntry("A", 30, 0, 0),
                      plainEntry("B", 15, 0, 0), plainEntry("K", 0, 0, 0)}};
    const Scene dark = chainScene(18, {{2, 0, 0, 2}, {0, 0, 17, 5}, {0, 17, 0, 10}, {1, 0, 0, 16}, {0, 0, 0, 47}});
    Pair second(dark, exact.table);
    EXPECT_EQ(second.make(requestFor(exact, 18, 3, true, false)), "");
    EXPECT_EQ(second.reference.cube.counts.at(1, 0, 0), chart::mergeMarker(0));
    EXPECT_EQ(second.reference.cell(0, 0), 0);
}

// A rare cell with two equally used partners at the same distance: the one whose key sorts later
// takes it, and "000020:10:…" sorts after "000020:1:…" because the colon sorts before the digits.
TEST(ChartEquivalenceEdges, EqualCountsPreferTheLaterKey) {
    const Scene scene =
        chainScene(18, {{5, 15, 12, 2}, {17, 0, 0, 3}, {1, 15, 15, 20}, {10, 15, 15, 20}, {0, 0, 17, 35}});
    TableSetup exact{"exact", "exact", 0,
                     {plainEntry("P2", 150, 225, 225), plainEntry("A", 75, 225, 180), plainEntry("P1", 15, 225, 225),
                      plainEntry("F", 0, 0, 255), plainEntry("Q", 255, 0, 0)}};
    Pair pair(scene, exact.table);
    EXPECT_EQ(pair.make(requestFor(exact, 18, 4, true, false)), "");
    EXPECT_EQ(pair.reference.cell(0, 0), chart::pack(10, 15, 15));
}

TEST(ChartEquivalenceEdges, FullSizeChart) {
    const Scene scene{"full", test_pictures::photoLike(600, 600, 5), 600, 600, 3, 3};
    const TableSetup& dmc = tables()[0];
    for (const ChartRequest& request : {requestFor(dmc, 8, 45, false, false), requestFor(dmc, 18, 10, true, true)}) {
        Pair pair(scene, dmc.table);
        EXPECT_EQ(pair.make(request), "") << requestText(request);
    }
}

TEST(ChartEquivalenceEdges, UnequalLevelCounts) {
    for (const TableSetup& table : tables()) {
        ChartRequest request = requestFor(table, 8, 10, false, true);
        request.levels = LevelCounts{8, 4, 12};
        Pair pair(scenes()[3], table.table);
        EXPECT_EQ(pair.make(request), "") << table.name;
    }
}

TEST(ChartEquivalenceEdges, HueWeights) {
    const TableSetup& hand = tables()[2];
    for (int weight : {0, 4, 7, 10, 23}) {
        ChartRequest request = requestFor(hand, 7, 2, false, false);
        request.hueWeight = weight;
        Pair pair(scenes()[0], hand.table);
        EXPECT_EQ(pair.make(request), "") << "W " << weight;
    }
}

// Charts in a row on the same model: codes kept while the shape and flag allow it, recomputed
// otherwise, and grid cells outside a smaller chart keep what the bigger one left there.
TEST(ChartEquivalenceEdges, ChartsInARowOnOneModel) {
    const TableSetup& dmc = tables()[0];
    Pair pair(scenes()[3], dmc.table);
    EXPECT_EQ(pair.make(requestFor(dmc, 8, 45, false, false)), "");
    EXPECT_EQ(pair.make(requestFor(dmc, 8, 10, true, false)), "");  // codes kept
    EXPECT_EQ(pair.make(requestFor(dmc, 12, 56, false, true)), "");  // shape changed
    ChartRequest uneven = requestFor(dmc, 8, 20, false, false);
    uneven.levels = LevelCounts{8, 4, 12};
    EXPECT_EQ(pair.make(uneven), "");
    uneven.levels = LevelCounts{4, 12, 8};  // as many cube cells, another shape
    EXPECT_EQ(pair.make(uneven), "");

    // A smaller chart over the same model.
    for (ChartModel* model : {&pair.engine, &pair.reference}) {
        model->source = test_pictures::shapes(40, 40);
        model->displayWidth = 40;
        model->displayHeight = 40;
        model->cellWidth = 4;
        model->cellHeight = 4;
    }
    EXPECT_EQ(pair.make(requestFor(dmc, 12, 2, false, false), true), "");

    // Another table, as choosing another code system would leave it: rebuild flag set.
    const TableSetup& icon = tables()[1];
    pair.engineTable = icon.table;
    pair.referenceTable = icon.table;
    pair.engine.cube.rebuildCodes = true;
    pair.reference.cube.rebuildCodes = true;
    EXPECT_EQ(pair.make(requestFor(icon, 12, 10, true, true), true), "");

    // The same table with another hue weight and no rebuild: the old codes stay.
    ChartRequest heavier = requestFor(icon, 12, 10, false, false);
    heavier.hueWeight = 20;
    EXPECT_EQ(pair.make(heavier, true), "");
}

TEST(ChartEquivalenceEdges, BlackWithoutCodeIsRecomputedEachTime) {
    const TableSetup& bright = tables()[4];
    Pair pair(scenes()[1], bright.table);
    EXPECT_EQ(pair.make(requestFor(bright, 4, 10, false, false)), "");
    ASSERT_EQ(pair.reference.cube.codes.atOffset(0), -1);
    ChartRequest heavier = requestFor(bright, 4, 10, false, false);
    heavier.hueWeight = 25;  // recomputed codes see the new weight
    EXPECT_EQ(pair.make(heavier), "");
}

TEST(ChartEquivalenceEdges, RefusalsLeaveTheChartAlone) {
    const TableSetup& dmc = tables()[0];
    for (int levels : {1, 21}) {
        Pair pair(scenes()[0], dmc.table);
        const ChartRequest request = requestFor(dmc, levels, 10, false, false);
        const ChartOutcome fo = chart::makeChart(pair.engine, pair.engineTable, request);
        const ChartOutcome lo = literal::makeChart(pair.reference, pair.referenceTable, request);
        EXPECT_NE(fo.message, "") << levels;
        EXPECT_NE(lo.message, "") << levels;
        EXPECT_FALSE(fo.reduction.success);
        EXPECT_EQ(pair.engine.columns, 0);
        EXPECT_EQ(pair.engine.grid, pair.reference.grid);
    }
    Pair pair(scenes()[0], ColourTable{});
    const ChartOutcome fo = chart::makeChart(pair.engine, pair.engineTable, requestFor(dmc, 8, 10, false, false));
    EXPECT_NE(fo.message, "");
    EXPECT_EQ(pair.engine.columns, 0);
}

}  // namespace
