// The engine against the plain reference pipeline: both make a chart from the same picture with the
// same request, and every observable result must agree — outcome, geometry, cube, grid, chart
// picture, colour list and the symbols written into the colour table.

#include "chart/literal_reference.h"
#include "chart/pipeline.h"
#include "chart/test_pictures.h"
#include "chart_test_support.h"
#include "palette/catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <set>
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
    int hueWeight = 10;
    ColourTable table;
};

TableSetup shippedTable(const std::string& shortName, const std::string& system) {
    const std::string cfg = std::string(TESSALY_SOURCE_DIR) + "/cfg";
    const palette::LoadResult loaded = palette::chooseCodeSystem(cfg, palette::loadShippedSettings(cfg), system);
    EXPECT_EQ(loaded.message, "") << system;
    return TableSetup{shortName, loaded.system.settings.hueWeight, loaded.system.table};
}

using chart_test::entry;

// An entry whose sum and match colour differ from the colour it shows.
ColourEntry matchedEntry(std::string code, int r, int g, int b, int sum, int mr, int mg, int mb) {
    ColourEntry e = entry(code, r, g, b);
    std::tie(e.sum, e.matchR, e.matchG, e.matchB) = std::tie(sum, mr, mg, mb);
    return e;
}

// Tables are read in file order, brightest first.
ColourTable brightestFirst(ColourTable t) {
    std::stable_sort(t.begin(), t.end(), [](const ColourEntry& a, const ColourEntry& b) { return a.sum > b.sum; });
    return t;
}

// Entries numbered prefix0, prefix1, … in the colours colourOf(i) gives.
template <typename ColourOf>
void addNumberedEntries(ColourTable& t, const std::string& prefix, int count, ColourOf colourOf) {
    for (int i = 0; i < count; ++i) {
        const auto [r, g, b] = colourOf(i);
        t.push_back(entry(prefix + std::to_string(i), r, g, b));
    }
}

std::vector<TableSetup> makeTables() {
    // Small and wide-windowed; match colours and sums that differ from the shown colour, and two
    // entries that show the same white so that they share a colour-list row.
    const ColourTable handMade = brightestFirst(
        {matchedEntry("H01", 255, 255, 255, 765, 250, 250, 250), entry("H02", 255, 255, 255),
         matchedEntry("H03", 250, 230, 60, 600, 245, 235, 50), entry("H04", 230, 80, 120),
         matchedEntry("H05", 60, 170, 70, 330, 70, 160, 60), entry("H06", 150, 75, 80), entry("H07", 40, 90, 160),
         entry("H08", 128, 128, 128), matchedEntry("H09", 120, 60, 20, 190, 110, 60, 30), entry("H10", 30, 30, 90),
         entry("H11", 0, 0, 0)});
    // Near-white and near-black entries only: mid-brightness cube cells find no entry in their window.
    ColourTable gap;
    addNumberedEntries(gap, "W", 80, [](int i) {
        return std::array<int, 3>{255 - (i % 5) * 5, 255 - (i / 5 % 4) * 6, 255 - (i / 20) * 7};
    });
    addNumberedEntries(gap, "K", 40, [](int i) { return std::array<int, 3>{(i % 4) * 5, (i / 4 % 5) * 4, (i / 20) * 10}; });
    // Only light entries: dark cube cells, black among them, are darker than every window.
    ColourTable bright;
    addNumberedEntries(bright, "L", 60, [](int i) {
        return std::array<int, 3>{255 - (i % 6) * 20, 255 - (i / 6 % 5) * 25, 255 - (i / 30) * 60};
    });
    return {shippedTable("dmc", "DMC(刺繍糸)"), shippedTable("icon", "アイコン"), TableSetup{"handmade", 15, handMade},
            TableSetup{"gap", 10, brightestFirst(gap)}, TableSetup{"bright", 7, brightestFirst(bright)}};
}

const std::vector<TableSetup>& tables() {
    static const std::vector<TableSetup> all = makeTables();
    return all;
}
const TableSetup& dmc() { return tables()[0]; }
const TableSetup& icon() { return tables()[1]; }

const std::vector<Scene>& scenes() {
    static const std::vector<Scene> all = test_pictures::standardScenes();
    return all;
}

// ---- comparison ----

std::string requestText(const ChartRequest& r) {
    std::ostringstream out;
    out << "levels " << r.levels.red << "x" << r.levels.green << "x" << r.levels.blue << ", max " << r.maxColours
        << ", W " << r.hueWeight << (r.smoothing ? ", smoothing" : "") << (r.boundary ? ", boundary" : "");
    return out.str();
}

// Collects the first difference of each kind, engine value first.
class Differences {
public:
    template <typename T>
    void check(const std::string& kind, const std::string& where, const T& engine, const T& reference) {
        if (engine == reference || !seen_.insert(kind).second) return;
        out_ << "  " << kind << where << ": engine " << ::testing::PrintToString(engine) << ", reference "
             << ::testing::PrintToString(reference) << "\n";
    }
    std::string text() const { return out_.str(); }

private:
    std::set<std::string> seen_;
    std::ostringstream out_;
};

std::string at(int c, int r = -1) { return "[" + std::to_string(c) + (r < 0 ? "" : "," + std::to_string(r)) + "]"; }
std::array<int, 3> shape(LevelCounts n) { return {n.red, n.green, n.blue}; }
std::array<int, 3> rgb(platform::Rgb c) { return {c.r, c.g, c.b}; }

std::string compare(const ChartOutcome& eo, const ChartModel& e, const ColourTable& et, const ChartOutcome& ro,
                    const ChartModel& r, const ColourTable& rt, bool wholeGrid) {
    Differences d;
    const auto outcome = [](const ChartOutcome& o) {
        return std::make_tuple(o.message.empty(), o.reduction.success, o.reduction.colours, o.reduction.merged);
    };
    d.check("outcome (made, success, colours, merged)", "", outcome(eo), outcome(ro));
    d.check("geometry", "", std::array<int, 4>{e.columns, e.rows, e.displayWidth, e.displayHeight},
            std::array<int, 4>{r.columns, r.rows, r.displayWidth, r.displayHeight});

    const chart::QuantisationCube& ec = e.cube;
    const chart::QuantisationCube& rc = r.cube;
    d.check("cube levels", "", shape(ec.levels), shape(rc.levels));
    d.check("level values", "", ec.levelValues, rc.levelValues);
    d.check("carry", "", ec.carry, rc.carry);
    d.check("rebuild flag", "", ec.rebuildCodes, rc.rebuildCodes);
    d.check("shapes", "", std::make_pair(shape(ec.counts.levels()), shape(ec.codes.levels())),
            std::make_pair(shape(rc.counts.levels()), shape(rc.codes.levels())));
    for (std::size_t i = 0; i < std::min(ec.counts.size(), rc.counts.size()); ++i)
        d.check("cube count", at(static_cast<int>(i)), ec.counts.atOffset(i), rc.counts.atOffset(i));
    for (std::size_t i = 0; i < std::min(ec.codes.size(), rc.codes.size()); ++i)
        d.check("cube code", at(static_cast<int>(i)), ec.codes.atOffset(i), rc.codes.atOffset(i));

    const int columns = std::min(e.columns, r.columns);
    const int rows = std::min(e.rows, r.rows);
    for (int c = 0; c < (wholeGrid ? chart::kGridSize : columns); ++c)
        for (int row = 0; row < (wholeGrid ? chart::kGridSize : rows); ++row)
            d.check("grid", at(c, row), e.cell(c, row), r.cell(c, row));
    for (int c = 0; c < columns; ++c)
        for (int row = 0; row < rows; ++row) d.check("picture", at(c, row), rgb(e.cellColour(c, row)), rgb(r.cellColour(c, row)));

    const auto options = [](const chart::ChartOptions& o) {
        return std::make_tuple(o.smoothing, o.boundary, o.maxColours, o.codeSystem);
    };
    d.check("options", "", options(e.options), options(r.options));
    d.check("coloursInUse", "", e.colourList.coloursInUse, r.colourList.coloursInUse);
    const auto row = [](const chart::ColourListRow& w) { return std::make_tuple(w.symbol, w.code, w.name, w.count, w.r, w.g, w.b); };
    for (int i = 0; i < chart::kColourListRows; ++i)
        d.check("colour list row", at(i), row(e.colourList.rows[static_cast<std::size_t>(i)]),
                row(r.colourList.rows[static_cast<std::size_t>(i)]));
    d.check("table size", "", et.size(), rt.size());
    for (std::size_t i = 0; i < std::min(et.size(), rt.size()); ++i)
        d.check("table symbol", at(static_cast<int>(i)), et[i].symbol, rt[i].symbol);
    return d.text();
}

ChartModel modelOf(const Scene& scene) {
    ChartModel model = chart_test::modelFor(scene.picture, scene.cellWidth, scene.cellHeight);
    model.displayWidth = scene.displayWidth;
    model.displayHeight = scene.displayHeight;
    return model;
}

// Both pipelines on their own model and their own copy of the table, side by side.
struct Pair {
    ChartModel engine;
    ChartModel reference;
    ColourTable engineTable;
    ColourTable referenceTable;
    literal::CodesOrigin origin;
    ChartOutcome engineOutcome;
    ChartOutcome referenceOutcome;

    Pair(const Scene& scene, const ColourTable& table)
        : engine(modelOf(scene)), reference(modelOf(scene)), engineTable(table), referenceTable(table) {}

    void useTable(const ColourTable& table, bool rebuild) {
        engineTable = referenceTable = table;
        engine.cube.rebuildCodes = reference.cube.rebuildCodes = rebuild;
    }

    // Empty when both agree; otherwise the differences.
    std::string make(const ChartRequest& request, bool wholeGrid = false) {
        engineOutcome = chart::makeChart(engine, engineTable, request);
        referenceOutcome = literal::makeChart(reference, referenceTable, request, origin);
        return compare(engineOutcome, engine, engineTable, referenceOutcome, reference, referenceTable, wholeGrid);
    }
};

ChartRequest requestFor(const TableSetup& t, int levels, int maxColours, bool smoothing, bool boundary) {
    return ChartRequest{t.name, LevelCounts{levels, levels, levels}, t.hueWeight, maxColours, smoothing, boundary};
}

// ---- the model's conventions ----

TEST(ModelConventions, PackedIndicesAndMergeMarkersFollowTheirRule) {
    // Every cell of the largest cube packs apart from every other and from an empty cell, and a merge
    // into any cell, (0, 0, 0) among them, reads as a merge and back to its target.
    for (int r = 0; r < chart::kMostLevels; ++r)
        for (int g = 0; g < chart::kMostLevels; ++g)
            for (int b = 0; b < chart::kMostLevels; ++b) {
                const std::int32_t packed = literal::pack(r, g, b);
                ASSERT_EQ(chart::pack(r, g, b), packed);
                ASSERT_EQ(chart::unpack(packed), (chart::CubeCell{r, g, b}));
                ASSERT_EQ(chart::mergeMarker(packed), literal::mergeMarker(packed));
                ASSERT_EQ(chart::mergeTarget(chart::mergeMarker(packed)), packed);
            }
}

// ---- engine against reference ----

class ChartEquivalence : public ::testing::TestWithParam<std::tuple<std::size_t, std::size_t>> {};

TEST_P(ChartEquivalence, SameChartForEveryCubeSize) {
    const std::size_t sceneIndex = std::get<0>(GetParam());
    const std::size_t tableIndex = std::get<1>(GetParam());
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
            Pair pair(scenes()[sceneIndex], table.table);
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
            ChartRequest request = requestFor(table, pick(2, 20), pick(1, 56), pick(0, 1) == 1, pick(0, 1) == 1);
            if (pick(0, 5) == 0) request.levels = LevelCounts{pick(2, 20), pick(2, 20), pick(2, 20)};
            if (table.name != "dmc" && table.name != "icon") request.hueWeight = pick(0, 25);
            if (pick(0, 3) == 0) pair.useTable(table.table, true);
            EXPECT_EQ(pair.make(request, true), "")
                << "round " << round << ", table " << table.name << ", bitmap " << bitmapWidth << "x" << bitmapHeight
                << ", display " << scene.displayWidth << "x" << scene.displayHeight << ", cell " << cellWidth << "x"
                << cellHeight << ", " << requestText(request);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomCharts, ::testing::Values(1u, 2u, 3u, 4u));

// One pixel per cell in exact level colours of an 18-level cube, so that the cube counts are chosen.
Scene countedScene(const std::vector<std::array<int, 4>>& cellsAndCounts) {
    const auto value = [](int level) { return static_cast<std::uint8_t>(literal::levelValue(level, 18)); };
    platform::Bitmap picture(10, 8);
    int i = 0;
    for (const auto& [r, g, b, count] : cellsAndCounts)
        for (int k = 0; k < count; ++k, ++i) picture.set(i / 8, i % 8, platform::Rgb{value(r), value(g), value(b)});
    return Scene{"counted", picture, 10, 8, 1, 1};
}

TEST(ChartEquivalenceEdges, MergeChainsReachTheirEnd) {
    // A rare cell A next to a middling cell B, B itself close to the most used cell C, and two far-off
    // cells that keep the colour count up until B is merged too, which leaves A at the end of the chain
    // A -> B -> C. Thresholds 15, 19, 23 and 27 from the pivot count 10: B (16) takes A at 15 and goes
    // to C at 19.
    Pair coloured(countedScene({{11, 5, 2, 2}, {0, 0, 17, 5}, {0, 17, 0, 10}, {10, 5, 2, 16}, {10, 5, 5, 47}}),
                  dmc().table);
    EXPECT_EQ(coloured.make(requestFor(dmc(), 18, 3, true, false)), "");
    ASSERT_TRUE(coloured.reference.cube.counts.at(11, 5, 2) < 0 && coloured.reference.cube.counts.at(10, 5, 2) < 0);
    EXPECT_EQ(coloured.reference.cell(0, 0), literal::pack(10, 5, 5));

    // The same ending in black, whose packed index is 0; each cell has its own exact code colour.
    const TableSetup exact{"exact", 10,
                           {entry("G", 0, 255, 0), entry("U", 0, 0, 255), entry("A", 30, 0, 0),
                            entry("B", 15, 0, 0), entry("K", 0, 0, 0)}};
    Pair dark(countedScene({{2, 0, 0, 2}, {0, 0, 17, 5}, {0, 17, 0, 10}, {1, 0, 0, 16}, {0, 0, 0, 47}}), exact.table);
    EXPECT_EQ(dark.make(requestFor(exact, 18, 3, true, false)), "");
    EXPECT_EQ(dark.reference.cube.counts.at(1, 0, 0), literal::mergeMarker(0));
    EXPECT_EQ(dark.reference.cell(0, 0), 0);
}

// A rare cell with two equally used partners at the same distance: the one whose key sorts later
// takes it, and "000020:10:…" sorts after "000020:1:…" because the colon sorts before the digits.
TEST(ChartEquivalenceEdges, EqualCountsPreferTheLaterKey) {
    const TableSetup exact{"exact", 0,
                           {entry("P2", 150, 225, 225), entry("A", 75, 225, 180), entry("P1", 15, 225, 225),
                            entry("F", 0, 0, 255), entry("Q", 255, 0, 0)}};
    Pair pair(countedScene({{5, 15, 12, 2}, {17, 0, 0, 3}, {1, 15, 15, 20}, {10, 15, 15, 20}, {0, 0, 17, 35}}),
              exact.table);
    EXPECT_EQ(pair.make(requestFor(exact, 18, 4, true, false)), "");
    EXPECT_EQ(pair.reference.cell(0, 0), literal::pack(10, 15, 15));
}

TEST(ChartEquivalenceEdges, FullSizeChart) {
    const Scene scene{"full", test_pictures::photoLike(600, 600, 5), 600, 600, 3, 3};
    for (const ChartRequest& request : {requestFor(dmc(), 8, 45, false, false), requestFor(dmc(), 18, 10, true, true)}) {
        Pair pair(scene, dmc().table);
        EXPECT_EQ(pair.make(request), "") << requestText(request);
    }
}

TEST(ChartEquivalenceEdges, UnequalAndLargestLevelCounts) {
    for (const TableSetup& table : tables()) {
        for (const LevelCounts n : {LevelCounts{8, 4, 12}, LevelCounts{20, 20, 20}, LevelCounts{20, 3, 19}}) {
            ChartRequest request = requestFor(table, 8, 10, false, true);
            request.levels = n;
            Pair pair(scenes()[3], table.table);
            EXPECT_EQ(pair.make(request), "") << table.name << " " << requestText(request);
        }
    }
}

// Charts in a row on the same model: codes kept while nothing they came from changed, recomputed
// otherwise, and grid cells outside a smaller chart keep what the bigger one left there.
TEST(ChartEquivalenceEdges, ChartsInARowOnOneModel) {
    Pair pair(scenes()[3], dmc().table);
    EXPECT_EQ(pair.make(requestFor(dmc(), 8, 45, false, false)), "");
    EXPECT_EQ(pair.make(requestFor(dmc(), 8, 10, true, false)), "");  // codes kept
    EXPECT_EQ(pair.make(requestFor(dmc(), 12, 56, false, true)), "");  // shape changed
    ChartRequest uneven = requestFor(dmc(), 8, 20, false, false);
    uneven.levels = LevelCounts{8, 4, 12};
    EXPECT_EQ(pair.make(uneven), "");
    uneven.levels = LevelCounts{4, 12, 8};  // as many cube cells, another shape
    EXPECT_EQ(pair.make(uneven), "");

    // A smaller chart over the same model.
    for (ChartModel* model : {&pair.engine, &pair.reference}) {
        model->source = test_pictures::shapes(40, 40);
        model->displayWidth = model->displayHeight = 40;
        model->cellWidth = model->cellHeight = 4;
    }
    EXPECT_EQ(pair.make(requestFor(dmc(), 12, 2, false, false), true), "");

    // Another table, as choosing another code system leaves it: rebuild flag set.
    pair.useTable(icon().table, true);
    EXPECT_EQ(pair.make(requestFor(icon(), 12, 10, true, true), true), "");
    // The same table with another hue weight and no rebuild: the codes follow the new weight.
    ChartRequest heavier = requestFor(icon(), 12, 10, false, false);
    heavier.hueWeight = 20;
    EXPECT_EQ(pair.make(heavier, true), "");
}

// Codes of a longer table must not survive a switch to a shorter one, whatever the rebuild flag says:
// the chart is the one a fresh model makes.
TEST(ChartEquivalenceEdges, TableSwitchedWithoutRebuildChartsAsAFreshModel) {
    Pair switched(scenes()[3], dmc().table);
    EXPECT_EQ(switched.make(requestFor(dmc(), 8, 45, false, false)), "");
    switched.useTable(icon().table, false);
    const ChartRequest request = requestFor(icon(), 8, 10, true, true);
    EXPECT_EQ(switched.make(request), "");

    Pair fresh(scenes()[3], icon().table);
    EXPECT_EQ(fresh.make(request), "");
    EXPECT_EQ(compare(switched.engineOutcome, switched.engine, switched.engineTable, fresh.engineOutcome, fresh.engine,
                      fresh.engineTable, false),
              "");
}

TEST(ChartEquivalenceEdges, RefusalsLeaveTheChartAlone) {
    for (int levels : {1, 21}) {
        Pair pair(scenes()[0], dmc().table);
        EXPECT_EQ(pair.make(requestFor(dmc(), levels, 10, false, false)), "") << levels;
        EXPECT_NE(pair.engineOutcome.message, "") << levels;
        EXPECT_EQ(pair.engine.columns, 0);
        EXPECT_EQ(pair.engine.cube.codes.size(), 1u);
    }
}

}  // namespace
