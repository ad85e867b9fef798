#pragma once

#include <string>
#include <vector>

namespace cli {

// Output files written all or nothing: each goes to a temporary file in its own folder first, and
// only when every one has been written are they renamed into place. A failed run thus never leaves
// a half-written file, nor a fresh file beside a stale one from an earlier run.
class OutputBatch {
public:
    void add(std::string path, std::string contents);

    // Returns an error text naming the file that could not be written, empty on success.
    std::string commit();

private:
    struct Output {
        std::string path;
        std::string contents;
        std::string temporary;
    };
    std::string writeTemporary(Output& output);
    void removeTemporaries();

    std::vector<Output> outputs_;
};

}  // namespace cli
