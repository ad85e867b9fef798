#pragma once

#include "platform/atomic_file.h"

#include <optional>
#include <string>
#include <vector>

namespace cli {

// Output files written all or nothing. Every name is checked first; then each file goes to a
// temporary file in its target's folder; then standard output, devices and FIFOs are written;
// only when all of that has worked are the temporaries renamed into place. A failed run thus leaves
// every old file as it was and no temporary behind, and never a fresh file beside a stale one from
// an earlier run. The renames come last because they are the step least likely to fail once the
// names have been checked, while a device can be full and a pipe's reader can go away.
class OutputBatch {
public:
    // `option` names the output in messages; `name` is where it goes, `-` for standard output.
    void add(std::string option, std::string name, std::string contents);

    // Returns an error text naming the output that could not be written, empty on success.
    std::string commit();

private:
    struct Output {
        std::string option;
        std::string name;
        std::string contents;
        bool standardOutput = false;
        platform::WriteTarget target;
        std::optional<platform::PendingFile> pending;
    };
    std::string findTargets();
    std::string writeStream(const Output& output);
    std::string renameTemporaries();

    std::vector<Output> outputs_;
};

}  // namespace cli
