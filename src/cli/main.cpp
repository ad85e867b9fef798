// tessaly-cli: makes a chart from a picture file, or reads one from a chart workbook, without the window.

#include "cli/chart_arguments.h"
#include "cli/chart_command.h"
#include "cli/error_line.h"
#include "cli/exit_codes.h"
#include "cli/read_arguments.h"
#include "cli/read_command.h"
#include "platform/program_folder.h"

#include <exception>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr const char* kUsage =
    "usage: tessaly-cli chart PICTURE [--cfg DIR] [--system NAME] [--max N]\n"
    "                          [--smooth | --no-smooth] [--boundary | --no-boundary]\n"
    "                          [--appearance | --no-appearance]\n"
    "                          [--cells COLSxROWS] [--cell-size WxH] [--cube N]\n"
    "                          [--codes FILE] [--key FILE] [--png FILE] [--icon FILE] [--xlsx FILE]\n"
    "                          [--pdf FILE [--paper A4|Letter] [--strands N]] [--json]\n"
    "       tessaly-cli read WORKBOOK [--cfg DIR]\n"
    "                          [--codes FILE] [--key FILE] [--png FILE] [--icon FILE]\n"
    "                          [--pdf FILE [--paper A4|Letter] [--strands N]] [--json]\n";

int showUsage() {
    std::cout << kUsage << std::flush;
    return cli::kExitSuccess;
}

// A word where the command belongs: named on the one error line, with where to find the usage.
int refuseCommand(const std::string& problem) {
    cli::printError(std::cerr, problem + " (see tessaly-cli --help)");
    return cli::kExitBadInput;
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::vector<std::string> words(argv + 1, argv + argc);
    if (!words.empty() && (words[0] == "--help" || words[0] == "-h")) return showUsage();
    if (words.empty()) return refuseCommand("no command given");
    const bool read = words[0] == "read";
    if (words[0] != "chart" && !read) {
        return refuseCommand((words[0].rfind('-', 0) == 0 ? "options go after the command: " : "unknown command: ") +
                             words[0]);
    }
    const std::vector<std::string> rest(words.begin() + 1, words.end());
    const cli::ParsedChartArguments parsed = read ? cli::parseReadArguments(rest) : cli::parseChartArguments(rest);
    if (parsed.help) return showUsage();
    if (!parsed.message.empty()) {
        cli::printError(std::cerr, parsed.message);
        return cli::kExitBadInput;
    }
    try {
        const std::string cfgDir = platform::shippedConfigFolder(platform::programFile(argv[0]));
        return read ? cli::runRead(parsed.arguments, cfgDir, std::cout, std::cerr)
                    : cli::runChart(parsed.arguments, cfgDir, std::cout, std::cerr);
    } catch (const std::exception& e) {
        cli::printError(std::cerr, e.what());
        return cli::kExitBadInput;
    }
}
