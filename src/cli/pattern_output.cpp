#include "cli/pattern_output.h"

#include "pattern/pattern_content.h"
#include "pattern/pattern_wire.h"
#include "platform/child_program.h"
#include "platform/date_time.h"
#include "platform/program_folder.h"

namespace cli {
namespace {

constexpr const char* kPatternProgram = "tessaly-pattern";
// A 200 x 200 chart takes well under a second; the limit only keeps a hung painter from holding the run.
constexpr int kPatternSeconds = 120;

// What the pattern program says went wrong, or what became of it when it said nothing.
std::string patternFailure(const platform::ChildRun& run) {
    if (!run.errors.empty()) return run.errors;
    if (!run.finished) return std::string(kPatternProgram) + " did not finish";
    return std::string(kPatternProgram) + " failed";
}

}  // namespace

std::string addPattern(OutputBatch& batch, const ChartArguments& arguments, const document::ChartDocument& document) {
    const std::string cannotWrite = "cannot write " + *arguments.pdfPath + ": ";
    const std::string program = platform::helperProgram(platform::programFile(nullptr), kPatternProgram);
    if (program.empty()) {
        return cannotWrite + "the printable pattern needs " + kPatternProgram + ", which comes with the tessaly package";
    }
    const pattern::PatternJob job{pattern::patternContent(document),
                                  pattern::PatternOptions{arguments.paper, arguments.strands,
                                                          platform::formatIsoDate(platform::localNow())}};
    platform::ChildRun run = platform::runChildProgram(program, {}, pattern::packPatternJob(job), kPatternSeconds);
    if (!run.started) return cannotWrite + kPatternProgram + " cannot be run";
    if (!run.finished || run.exitCode != 0) return cannotWrite + patternFailure(run);
    batch.add("--pdf", *arguments.pdfPath, std::move(run.output));
    return {};
}

}  // namespace cli
