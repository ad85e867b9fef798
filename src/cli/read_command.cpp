#include "cli/read_command.h"

#include "cli/chart_outputs.h"
#include "cli/chart_summary.h"
#include "cli/error_line.h"
#include "cli/exit_codes.h"
#include "document/chart_document.h"

#include <ostream>

namespace cli {
namespace {

// Returns an error text, empty on success; the output paths are the arguments'.
std::string readAndWrite(const ChartArguments& arguments, const std::string& defaultCfgDir, std::ostream& out) {
    document::ChartDocument document(arguments.cfgDir.value_or(defaultCfgDir));
    excel::WorkbookProgress quiet;
    const document::ImportOutcome read = document.importWorkbook(arguments.picture, quiet);
    switch (read.failedAt) {
    case document::ImportStep::Done: break;
    // Whatever cannot be opened as a workbook is no chart workbook either; the reader's words say why.
    case document::ImportStep::Opening: return excel::notAChartWorkbook(arguments.picture) + " (" + read.message + ")";
    case document::ImportStep::Settling: return arguments.picture + ": " + read.message;
    case document::ImportStep::Reading:
    case document::ImportStep::System: return read.message;
    }

    const std::string error = writeChartOutputs(arguments, document);
    if (!error.empty()) return error;
    if (arguments.json) {
        chart::ReductionResult counted;
        counted.success = true;
        counted.colours = document.resultColours();
        out << chartSummaryJson(document.model(), counted, document.choices().cube.text) << std::flush;
        if (!out) return "cannot write the summary to standard output";
    }
    return {};
}

}  // namespace

int runRead(const ChartArguments& arguments, const std::string& defaultCfgDir, std::ostream& out,
            std::ostream& errors) {
    const std::string error = readAndWrite(arguments, defaultCfgDir, out);
    if (error.empty()) return kExitSuccess;
    printError(errors, error);
    return kExitBadInput;
}

}  // namespace cli
