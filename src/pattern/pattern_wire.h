#pragma once

// A pattern to print as bytes and back, for the pattern program that paints it apart from the
// command line, which links no toolkit.

#include "pattern/pattern_content.h"
#include "pattern/pattern_options.h"

#include <optional>
#include <string>
#include <string_view>

namespace pattern {

struct PatternJob {
    PatternContent content;
    PatternOptions options;
};

std::string packPatternJob(const PatternJob& job);
// Nothing for bytes that are not a whole job of a chart within the chart's limits.
std::optional<PatternJob> unpackPatternJob(std::string_view bytes);

}  // namespace pattern
