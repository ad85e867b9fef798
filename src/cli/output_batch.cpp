#include "cli/output_batch.h"

#include "cli/held_signal.h"
#include "platform/descriptor_io.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace cli {
namespace {

std::string failure(const std::string& name, const platform::FileProblem& problem) {
    return "cannot write " + name + ": " + platform::englishReason(problem);
}

std::string failure(const std::string& name) { return "cannot write " + name + ": " + std::strerror(errno); }

}  // namespace

void OutputBatch::add(std::string option, std::string name, std::string contents) {
    Output output;
    output.option = std::move(option);
    output.standardOutput = name == "-";
    output.name = std::move(name);
    output.contents = std::move(contents);
    outputs_.push_back(std::move(output));
}

std::string OutputBatch::findTargets() {
    for (std::size_t i = 0; i < outputs_.size(); ++i) {
        Output& output = outputs_[i];
        if (output.standardOutput) continue;
        platform::FoundWriteTarget found = platform::findWriteTarget(output.name);
        if (found.problem) return failure(output.name, *found.problem);
        output.target = std::move(found.target);
        // Two outputs renamed onto one file would leave only the later one.
        for (std::size_t j = 0; j < i; ++j) {
            if (!outputs_[j].standardOutput && outputs_[j].target.identity == output.target.identity) {
                return outputs_[j].option + " and " + output.option + " name the same file: " + output.name;
            }
        }
    }
    return {};
}

std::string OutputBatch::writeStream(const Output& output) {
    if (output.standardOutput) {
        return platform::writeAll(STDOUT_FILENO, output.contents) ? std::string() : failure("standard output");
    }
    // Opening a FIFO waits for its reader, as writing to it with the shell's `>` would.
    const int fd = ::open(output.target.path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return failure(output.name);
    // Something else may have been put under the name since it was checked; a regular file opened
    // like this would be overwritten in place rather than replaced whole.
    struct stat status {};
    if (fstat(fd, &status) != 0 || !(S_ISCHR(status.st_mode) || S_ISFIFO(status.st_mode))) {
        ::close(fd);
        return "cannot write " + output.name + ": it changed while the chart was made";
    }
    const bool written = platform::writeAll(fd, output.contents);
    const int savedErrno = errno;
    if (::close(fd) != 0 || !written) {
        if (!written) errno = savedErrno;
        return failure(output.name);
    }
    return {};
}

std::string OutputBatch::renameTemporaries() {
    for (Output& output : outputs_) {
        if (!output.pending) continue;
        if (const auto problem = output.pending->commit()) return failure(output.name, *problem);
        output.pending.reset();
    }
    return {};
}

std::string OutputBatch::commit() {
    // A reader that goes away early (`--codes - | head`) ends the run by SIGPIPE as it ends any
    // filter, but only once the temporaries are removed: the signal is held back until then.
    const HeldSignal heldPipeSignal(SIGPIPE);
    std::string error = findTargets();
    for (Output& output : outputs_) {
        if (!error.empty() || output.standardOutput || output.target.kind != platform::WriteTarget::Kind::File) continue;
        output.pending.emplace(output.target);
        if (const auto problem = output.pending->write(output.contents)) error = failure(output.name, *problem);
    }
    for (const Output& output : outputs_) {
        if (error.empty() && (output.standardOutput || output.target.kind == platform::WriteTarget::Kind::Stream)) {
            error = writeStream(output);
        }
    }
    if (error.empty()) error = renameTemporaries();
    for (Output& output : outputs_) output.pending.reset();
    return error;
}

}  // namespace cli
