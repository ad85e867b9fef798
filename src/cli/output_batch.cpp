#include "cli/output_batch.h"

#include "cli/held_signal.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace cli {
namespace {

// A short fixed pattern, so that the temporary's name fits wherever the output's own name does.
constexpr const char* kTemporaryPattern = ".tessaly-XXXXXX";

bool writeAll(int fd, const std::string& contents) {
    const char* data = contents.data();
    std::size_t left = contents.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

std::string failure(const std::string& name) { return "cannot write " + name + ": " + std::strerror(errno); }

std::string folderOf(const std::string& path) {
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    return folder.empty() ? "." : folder.string();
}

}  // namespace

void OutputBatch::add(std::string option, std::string name, std::string contents) {
    outputs_.push_back(Output{std::move(option), std::move(name), std::move(contents), {}, {}});
}

std::string OutputBatch::findTargets() {
    for (std::size_t i = 0; i < outputs_.size(); ++i) {
        FoundTarget found = findOutputTarget(outputs_[i].name);
        if (!found.message.empty()) return found.message;
        outputs_[i].target = std::move(found.target);
        // Two outputs renamed onto one file would leave only the later one.
        for (std::size_t j = 0; j < i; ++j) {
            if (outputs_[j].target.identity == outputs_[i].target.identity) {
                return outputs_[j].option + " and " + outputs_[i].option + " name the same file: " + outputs_[i].name;
            }
        }
    }
    return {};
}

std::string OutputBatch::writeTemporary(Output& output) {
    std::string name = folderOf(output.target.path) + "/" + kTemporaryPattern;
    const int fd = mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) return failure(output.name);
    output.temporary = name;
    const bool written = fchmod(fd, output.target.mode) == 0 && writeAll(fd, output.contents);
    const int savedErrno = errno;
    if (::close(fd) != 0 || !written) {
        if (!written) errno = savedErrno;
        return failure(output.name);
    }
    return {};
}

std::string OutputBatch::writeStream(const Output& output) {
    if (output.target.kind == OutputTarget::Kind::StandardOutput) {
        return writeAll(STDOUT_FILENO, output.contents) ? std::string() : failure("standard output");
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
    const bool written = writeAll(fd, output.contents);
    const int savedErrno = errno;
    if (::close(fd) != 0 || !written) {
        if (!written) errno = savedErrno;
        return failure(output.name);
    }
    return {};
}

std::string OutputBatch::renameTemporaries() {
    for (Output& output : outputs_) {
        if (output.temporary.empty()) continue;
        if (std::rename(output.temporary.c_str(), output.target.path.c_str()) != 0) return failure(output.name);
        output.temporary.clear();
    }
    return {};
}

void OutputBatch::removeTemporaries() {
    for (Output& output : outputs_) {
        if (!output.temporary.empty()) ::unlink(output.temporary.c_str());
        output.temporary.clear();
    }
}

std::string OutputBatch::commit() {
    // A reader that goes away early (`--codes - | head`) ends the run by SIGPIPE as it ends any
    // filter, but only once the temporaries are removed: the signal is held back until then.
    const HeldSignal heldPipeSignal(SIGPIPE);
    std::string error = findTargets();
    for (Output& output : outputs_) {
        if (error.empty() && output.target.kind == OutputTarget::Kind::File) error = writeTemporary(output);
    }
    for (const Output& output : outputs_) {
        if (error.empty() && output.target.kind != OutputTarget::Kind::File) error = writeStream(output);
    }
    if (error.empty()) error = renameTemporaries();
    removeTemporaries();
    return error;
}

}  // namespace cli
