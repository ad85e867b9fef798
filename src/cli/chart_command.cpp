#include "cli/chart_command.h"

#include "cli/chart_outputs.h"
#include "cli/chart_summary.h"
#include "cli/error_line.h"
#include "cli/exit_codes.h"
#include "document/chart_document.h"
#include "platform/picture_decoder.h"
#include "view/picture_area.h"

#include <optional>
#include <ostream>

namespace cli {
namespace {

constexpr const char* kReductionFailed = "減色できませんでした";

// Sampling visits every display pixel and the chart picture has one pixel per display pixel, so
// the display is held to the size of the largest picture we read.
constexpr long long kMaxDisplayPixels = platform::kMaxPicturePixels;

struct Failure {
    int exitCode;
    std::string message;
};

view::AreaSize displaySize(const ChartArguments& arguments, const platform::Bitmap& picture) {
    const int cellWidth = arguments.cellSize.first;
    const int cellHeight = arguments.cellSize.second;
    if (arguments.cells) return view::AreaSize{arguments.cells->first * cellWidth, arguments.cells->second * cellHeight};
    return view::pictureArea(picture.width(), picture.height(), cellWidth, cellHeight);
}

// The user's choices: the system's own, overridden by the options given.
chart::ChartChoices choicesOf(const ChartArguments& arguments, chart::ChartChoices choices) {
    if (arguments.cube) choices.cube = *arguments.cube;
    choices.maxColours = arguments.maxColours.value_or(choices.maxColours);
    choices.smoothing = arguments.smoothing.value_or(choices.smoothing);
    choices.boundary = arguments.boundary.value_or(choices.boundary);
    choices.appearance = arguments.appearance.value_or(choices.appearance);
    return choices;
}

std::optional<Failure> makeAndWrite(const ChartArguments& arguments, const std::string& defaultCfgDir,
                                    std::ostream& out) {
    document::ChartDocument document(arguments.cfgDir.value_or(defaultCfgDir));
    const document::SystemLoad load = document.start({}, arguments.system);
    if (!load.loaded()) return Failure{kExitBadInput, load.located()};
    const palette::LoadedCodeSystem& system = document.system();

    const chart::ChartChoices choices = choicesOf(arguments, document.choices());
    if (choices.maxColours < 1 || choices.maxColours > system.settings.maxColours) {
        return Failure{kExitBadInput, "--max must be from 1 to " + std::to_string(system.settings.maxColours) +
                                          " for " + system.name};
    }

    platform::DecodedPicture picture = platform::loadPicture(arguments.picture);
    if (!picture.message.empty()) return Failure{kExitBadInput, arguments.picture + ": " + picture.message};

    const view::AreaSize display = displaySize(arguments, picture.bitmap);
    if (static_cast<long long>(display.width) * display.height > kMaxDisplayPixels) {
        return Failure{kExitBadInput, "the chart picture would be " + std::to_string(display.width) + " x " +
                                          std::to_string(display.height) + " pixels, more than " +
                                          std::to_string(kMaxDisplayPixels) + "; choose a smaller --cell-size"};
    }

    document.takePicture(std::move(picture.bitmap));
    const view::CellSize cells{arguments.cellSize.first, arguments.cellSize.second};
    const chart::ChartOutcome outcome = document.makeChart(document::ChartRequest{display, cells, choices});
    if (!outcome.message.empty()) return Failure{kExitBadInput, outcome.message};
    if (!outcome.reduction.success) return Failure{kExitReductionFailed, kReductionFailed};

    const std::string error = writeChartOutputs(arguments, document);
    if (!error.empty()) return Failure{kExitBadInput, error};
    if (arguments.json) {
        out << chartSummaryJson(document.model(), outcome.reduction, choices.cube.text) << std::flush;
        if (!out) return Failure{kExitBadInput, "cannot write the summary to standard output"};
    }
    return std::nullopt;
}

}  // namespace

int runChart(const ChartArguments& arguments, const std::string& defaultCfgDir, std::ostream& out,
             std::ostream& errors) {
    const std::optional<Failure> failure = makeAndWrite(arguments, defaultCfgDir, out);
    if (!failure) return kExitSuccess;
    // The failed reduction is reported in the program's own words alone, as the window shows it.
    if (failure->exitCode == kExitReductionFailed) {
        errors << failure->message << '\n' << std::flush;
    } else {
        printError(errors, failure->message);
    }
    return failure->exitCode;
}

}  // namespace cli
