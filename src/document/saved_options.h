#pragma once

#include "chart/chart_choices.h"
#include "palette/code_system.h"

#include <optional>
#include <string>

// What the user chose in the last run, as the usage record keeps it, laid over what the settings
// file offers. A saved value that is missing, not a number or out of range gives way to the
// settings, so old or hand-edited records never stop the program from starting.
namespace document {

struct SavedOptions {
    std::optional<int> systemIndex;  // into the settings' list of systems
    std::optional<int> smoothing;    // 1 for on, any other number for off
    std::optional<int> boundary;
    std::optional<int> appearance;  // threads chosen for the chart's look
    std::optional<int> maxColours;
    std::optional<double> countSize;  // of the fabric, in its unit
    std::string fabricUnit;
    std::optional<int> columns;  // the last chart's cells
    std::optional<int> rows;
    std::string dataFolder;  // where workbooks were last written or read
    bool pasteAtChartSize = false;
};

// The colour-code system to offer: the saved one when it is one of the list, else the list's own.
int chosenSystemIndex(const palette::CodeSystemList& list, std::optional<int> saved);

// The system's default choices with the saved option boxes and colour count over them.
chart::ChartChoices savedChoices(const palette::CodeSystemSettings& system, const SavedOptions& saved);

}  // namespace document
