#include "cli/output_batch.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace cli {
namespace {

// mkstemp makes files only their owner can read; outputs get the usual permissions instead.
mode_t usualFileMode() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

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

std::string failure(const std::string& path) { return "cannot write " + path + ": " + std::strerror(errno); }

}  // namespace

void OutputBatch::add(std::string path, std::string contents) {
    outputs_.push_back(Output{std::move(path), std::move(contents), {}});
}

std::string OutputBatch::writeTemporary(Output& output) {
    const std::filesystem::path target(output.path);
    std::filesystem::path folder = target.parent_path();
    if (folder.empty()) folder = ".";
    std::string name = (folder / ("." + target.filename().string() + ".tmp-XXXXXX")).string();

    const int fd = mkstemp(name.data());
    if (fd < 0) return failure(output.path);
    output.temporary = name;
    const bool written = fchmod(fd, usualFileMode()) == 0 && writeAll(fd, output.contents);
    const int savedErrno = errno;
    if (::close(fd) != 0 || !written) {
        if (!written) errno = savedErrno;
        return failure(output.path);
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
    for (Output& output : outputs_) {
        const std::string error = writeTemporary(output);
        if (!error.empty()) {
            removeTemporaries();
            return error;
        }
    }
    for (Output& output : outputs_) {
        if (std::rename(output.temporary.c_str(), output.path.c_str()) != 0) {
            const std::string error = failure(output.path);
            removeTemporaries();
            return error;
        }
        output.temporary.clear();
    }
    return {};
}

}  // namespace cli
