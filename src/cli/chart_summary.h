#pragma once

#include "chart/chart_model.h"
#include "chart/reduction.h"

#include <string>
#include <string_view>

namespace cli {

// One JSON object on one line: the chart's size, the options it was made with and its colours.
std::string chartSummaryJson(const chart::ChartModel& model, const chart::ReductionResult& reduction,
                             std::string_view cubeItem);

}  // namespace cli
