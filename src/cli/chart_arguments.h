#pragma once

#include "chart/cube_size.h"
#include "pattern/pattern_options.h"

#include <optional>
#include <string>
#include <vector>

namespace cli {

// Two whole numbers written as "AxB": a cell count or a cell size.
struct Pair {
    int first = 0;
    int second = 0;
};

inline constexpr int kLargestCellSide = 10000;

// What `tessaly-cli chart` was asked to do. Options left out stay empty, and the colour-code
// system's settings fill them in.
struct ChartArguments {
    std::string picture;
    std::optional<std::string> cfgDir;
    std::optional<std::string> system;
    std::optional<int> maxColours;
    std::optional<bool> smoothing;
    std::optional<bool> boundary;
    std::optional<bool> appearance;  // threads chosen for the chart's look
    std::optional<Pair> cells;  // columns x rows
    Pair cellSize{3, 3};        // width x height in display pixels
    std::optional<chart::CubeSizeItem> cube;
    std::optional<std::string> codesPath;
    std::optional<std::string> keyPath;
    std::optional<std::string> pngPath;
    std::optional<std::string> iconPath;
    std::optional<std::string> xlsxPath;
    std::optional<std::string> pdfPath;
    pattern::Paper paper = pattern::Paper::A4;  // of the PDF
    int strands = 2;                            // stitched with, for the PDF's thread estimate
    bool json = false;
};

struct ParsedChartArguments {
    std::string message;  // empty when the arguments make sense, otherwise what is wrong
    bool help = false;  // --help or -h: show the usage and make no chart
    ChartArguments arguments;
};

// Parses the words after `chart`. Checks everything that needs no settings file; the range of
// --max depends on the colour-code system and is checked once that is known. An output named `-`
// goes to standard output, which only one output, and not --json as well, can have.
ParsedChartArguments parseChartArguments(const std::vector<std::string>& words);

}  // namespace cli
