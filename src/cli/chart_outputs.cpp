#include "cli/chart_outputs.h"

#include "chart/code_painting.h"
#include "cli/chart_files.h"
#include "cli/output_batch.h"
#include "excel/automation_error.h"
#include "platform/picture_encoder.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <unistd.h>

namespace cli {
namespace {

std::string addPng(OutputBatch& batch, const char* option, const std::string& path, const platform::Bitmap& bitmap) {
    std::optional<std::string> png = platform::encodePng(bitmap);
    if (!png) return "cannot encode " + path;
    batch.add(option, path, std::move(*png));
    return {};
}

// The workbook library writes files only; its bytes join the batch like any other output, so that
// the workbook appears together with the rest or not at all, and may go to standard output.
std::string addWorkbook(OutputBatch& batch, const std::string& path, const chart::ChartModel& model,
                        const palette::LoadedCodeSystem& system, const excel::WorkbookParameters& parameters,
                        const std::string& templatePath) {
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::temp_directory_path(error);
    if (error) return "cannot write " + path + ": no temporary folder";
    const std::filesystem::path scratch = folder / ("tessaly-cli-" + std::to_string(::getpid()) + ".xlsx");
    try {
        excel::WorkbookProgress quiet;
        const std::string message = excel::writeChartWorkbook(templatePath, scratch.string(), model, system, parameters, quiet);
        if (!message.empty()) return message + " (" + templatePath + ")";
    } catch (const excel::AutomationError& e) {
        if (e.fileProblem()) return "cannot write " + path + ": " + platform::englishReason(*e.fileProblem());
        return "cannot write " + path + ": " + e.what();
    }
    std::ifstream in(scratch, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const bool read = !in.bad();
    in.close();
    std::filesystem::remove(scratch, error);
    if (!read) return "cannot write " + path;
    batch.add("--xlsx", path, std::move(bytes));
    return {};
}

}  // namespace

std::string shippedTemplate(const std::string& shippedCfgDir) {
    return (std::filesystem::path(shippedCfgDir) / excel::kTemplateFileName).string();
}

std::string writeChartOutputs(const ChartArguments& arguments, const chart::ChartModel& model,
                              const palette::LoadedCodeSystem& system, const excel::WorkbookParameters& parameters,
                              const std::string& templatePath) {
    OutputBatch batch;
    if (arguments.codesPath) batch.add("--codes", *arguments.codesPath, codesCsv(model, system.table));
    if (arguments.keyPath) batch.add("--key", *arguments.keyPath, keyCsv(model));
    std::string error;
    if (arguments.pngPath) error = addPng(batch, "--png", *arguments.pngPath, chart::chartBitmap(model));
    if (error.empty() && arguments.iconPath) {
        error = addPng(batch, "--icon", *arguments.iconPath, chart::iconBitmap(model));
    }
    if (error.empty() && arguments.xlsxPath) error = addWorkbook(batch, *arguments.xlsxPath, model, system, parameters, templatePath);
    if (!error.empty()) return error;
    return batch.commit();
}

}  // namespace cli
