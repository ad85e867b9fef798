#include "cli/chart_outputs.h"

#include "chart/code_painting.h"
#include "cli/chart_files.h"
#include "cli/output_batch.h"
#include "cli/pattern_output.h"
#include "platform/picture_encoder.h"

#include <optional>

namespace cli {
namespace {

std::string addPng(OutputBatch& batch, const char* option, const std::string& path, const platform::Bitmap& bitmap) {
    std::optional<std::string> png = platform::encodePng(bitmap);
    if (!png) return "cannot encode " + path;
    batch.add(option, path, std::move(*png));
    return {};
}

// The workbook's bytes join the batch like any other output, so that the workbook appears together
// with the rest or not at all, and may go to standard output.
std::string addWorkbook(OutputBatch& batch, const std::string& path, document::ChartDocument& document) {
    excel::WorkbookProgress quiet;
    excel::WorkbookBytes workbook = document.workbookBytes(quiet);
    if (!workbook.message.empty()) return "cannot write " + path + ": " + workbook.message;
    batch.add("--xlsx", path, std::move(workbook.bytes));
    return {};
}

}  // namespace

std::string writeChartOutputs(const ChartArguments& arguments, document::ChartDocument& document) {
    const chart::ChartModel& model = document.model();
    OutputBatch batch;
    if (arguments.codesPath) batch.add("--codes", *arguments.codesPath, codesCsv(model, document.system().table));
    if (arguments.keyPath) batch.add("--key", *arguments.keyPath, keyCsv(model));
    std::string error;
    if (arguments.pngPath) error = addPng(batch, "--png", *arguments.pngPath, chart::chartBitmap(model));
    if (error.empty() && arguments.iconPath) {
        error = addPng(batch, "--icon", *arguments.iconPath, chart::iconBitmap(model));
    }
    if (error.empty() && arguments.xlsxPath) error = addWorkbook(batch, *arguments.xlsxPath, document);
    // The pattern comes last: the GUI its painting needs would change the pictures' PNG headers.
    if (error.empty() && arguments.pdfPath) error = addPattern(batch, arguments, document);
    if (!error.empty()) return error;
    return batch.commit();
}

}  // namespace cli
