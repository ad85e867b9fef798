#pragma once

#include "cli/chart_arguments.h"
#include "cli/output_batch.h"
#include "document/chart_document.h"

#include <string>

namespace cli {

// Adds the printable pattern `--pdf` asks for to the batch, on the paper and for the strands the
// arguments give, dated today. Returns an error text, empty on success.
std::string addPattern(OutputBatch& batch, const ChartArguments& arguments, const document::ChartDocument& document);

}  // namespace cli
