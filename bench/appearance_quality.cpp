// How close charts come to a picture, as a person sees it: the mean CIEDE2000 between each chart
// cell's colour and the picture averaged over that cell, for the usual colour choice, the choice for
// the look, each with and without carrying differences on, a chart that another program made of the
// same cells, and each cell's nearest DMC thread with no colour limit (the floor of any chart).
//
//   tessaly_appearance_quality PICTURE CELL COLOURS OTHER.png [SIDE_BY_SIDE.png]
//
// PICTURE is charted at its own size with square cells of CELL pixels; it must be whole cells each
// way. OTHER.png has one pixel per cell. Prints one line: usual, usual carried, other, look, look
// carried, floor, and "failed" for each usual chart whose colour reduction failed. SIDE_BY_SIDE.png,
// when named, shows the averaged picture, the usual chart and the chart for the look side by side.

#include "chart/chart_choices.h"
#include "chart/perceived_colour.h"
#include "bench_setup.h"
#include "palette/catalogue.h"
#include "platform/picture_decoder.h"
#include "platform/picture_encoder.h"

#include <cstdio>
#include <fstream>
#include <limits>
#include <string>
#include <vector>

namespace {

using bench::kCodeSystem;
constexpr int kShownCell = 4;  // pixels per cell in the side-by-side picture

using platform::Bitmap;
using platform::Rgb;

struct Cells {
    int columns = 0;
    int rows = 0;
    std::vector<Rgb> colours;  // row by row
    Rgb at(int x, int y) const { return colours[static_cast<std::size_t>(y) * columns + x]; }
};

Cells averaged(const Bitmap& picture, int cell) {
    Cells cells{picture.width() / cell, picture.height() / cell, {}};
    for (int y = 0; y < cells.rows; ++y) {
        for (int x = 0; x < cells.columns; ++x) {
            long long sums[3] = {0, 0, 0};
            for (int py = y * cell; py < (y + 1) * cell; ++py) {
                for (int px = x * cell; px < (x + 1) * cell; ++px) {
                    const Rgb p = picture.at(px, py);
                    sums[0] += p.r;
                    sums[1] += p.g;
                    sums[2] += p.b;
                }
            }
            const double n = static_cast<double>(cell) * cell;
            const auto mean = [n](long long s) { return static_cast<std::uint8_t>(s / n + 0.5); };
            cells.colours.push_back(Rgb{mean(sums[0]), mean(sums[1]), mean(sums[2])});
        }
    }
    return cells;
}

double meanDifference(const Cells& reference, const Cells& chart) {
    double total = 0;
    for (std::size_t i = 0; i < reference.colours.size(); ++i) {
        total += chart::perceivedDifference(chart::labOf(reference.colours[i]), chart::labOf(chart.colours[i]));
    }
    return total / static_cast<double>(reference.colours.size());
}

struct Charted {
    Cells cells;
    bool reduced = true;
};

Charted charted(const Bitmap& picture, int cell, const palette::LoadedCodeSystem& system, int colours, bool smoothing,
                bool appearance) {
    chart::ChartModel model;
    model.source = picture;
    model.displayWidth = picture.width();
    model.displayHeight = picture.height();
    model.cellWidth = model.cellHeight = cell;
    palette::LoadedCodeSystem own = system;
    chart::ChartChoices choices = chart::defaultChoices(own.settings);
    choices.maxColours = colours;
    choices.smoothing = smoothing;
    choices.boundary = false;
    choices.appearance = appearance;
    const chart::ChartOutcome outcome = chart::makeChart(model, own, choices);
    Charted result{{model.columns, model.rows, {}}, outcome.reduction.success};
    for (int y = 0; y < model.rows; ++y) {
        for (int x = 0; x < model.columns; ++x) result.cells.colours.push_back(model.cellColour(x, y));
    }
    return result;
}

Cells nearestThreads(const Cells& reference, const palette::ColourTable& table) {
    std::vector<chart::Lab> threads;
    for (const auto& e : table) threads.push_back(chart::labOf(Rgb{std::uint8_t(e.r), std::uint8_t(e.g), std::uint8_t(e.b)}));
    Cells floor{reference.columns, reference.rows, {}};
    for (const Rgb& c : reference.colours) {
        const chart::Lab lab = chart::labOf(c);
        double best = std::numeric_limits<double>::max();
        std::size_t nearest = 0;
        for (std::size_t j = 0; j < threads.size(); ++j) {
            const double d = chart::perceivedDifference(lab, threads[j]);
            if (d < best) {
                best = d;
                nearest = j;
            }
        }
        floor.colours.push_back(Rgb{std::uint8_t(table[nearest].r), std::uint8_t(table[nearest].g), std::uint8_t(table[nearest].b)});
    }
    return floor;
}

bool writeSideBySide(const std::string& path, const std::vector<const Cells*>& panels) {
    const int gap = 2 * kShownCell;
    const int width = panels[0]->columns * kShownCell;
    const int height = panels[0]->rows * kShownCell;
    Bitmap out(static_cast<int>(panels.size()) * (width + gap) - gap, height, Rgb{255, 255, 255});
    for (std::size_t p = 0; p < panels.size(); ++p) {
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) out.set(static_cast<int>(p) * (width + gap) + x, y, panels[p]->at(x / kShownCell, y / kShownCell));
        }
    }
    const std::optional<std::string> png = platform::encodePng(out);
    if (!png) return false;
    std::ofstream(path, std::ios::binary) << *png;
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: %s PICTURE CELL COLOURS OTHER.png [SIDE_BY_SIDE.png]\n", argv[0]);
        return 2;
    }
    const platform::DecodedPicture picture = platform::loadPicture(argv[1]);
    const platform::DecodedPicture other = platform::loadPicture(argv[4]);
    if (!picture.message.empty() || !other.message.empty()) {
        std::fprintf(stderr, "%s\n", (picture.message + " " + other.message).c_str());
        return 1;
    }
    const int cell = std::stoi(argv[2]);
    const int colours = std::stoi(argv[3]);
    const std::optional<palette::LoadedCodeSystem> system = bench::shippedCodeSystem();
    if (!system) return 1;
    const Cells reference = averaged(picture.bitmap, cell);
    Cells otherCells{other.bitmap.width(), other.bitmap.height(), {}};
    for (int y = 0; y < otherCells.rows; ++y) {
        for (int x = 0; x < otherCells.columns; ++x) otherCells.colours.push_back(other.bitmap.at(x, y));
    }
    if (otherCells.columns != reference.columns || otherCells.rows != reference.rows) {
        std::fprintf(stderr, "%s is not %d x %d\n", argv[4], reference.columns, reference.rows);
        return 1;
    }
    const Charted usual = charted(picture.bitmap, cell, *system, colours, true, false);
    const Charted usualCarried = charted(picture.bitmap, cell, *system, colours, false, false);
    const Charted look = charted(picture.bitmap, cell, *system, colours, true, true);
    const Charted lookCarried = charted(picture.bitmap, cell, *system, colours, false, true);
    std::printf("%.3f %.3f %.3f %.3f %.3f %.3f%s%s\n", meanDifference(reference, usual.cells),
                meanDifference(reference, usualCarried.cells), meanDifference(reference, otherCells),
                meanDifference(reference, look.cells), meanDifference(reference, lookCarried.cells),
                meanDifference(reference, nearestThreads(reference, system->table)),
                usual.reduced ? "" : " failed", usualCarried.reduced ? "" : " failed-carried");
    if (argc > 5 && !writeSideBySide(argv[5], {&reference, &usual.cells, &look.cells})) return 1;
    return 0;
}
