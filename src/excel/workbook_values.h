#pragma once

#include "excel/workbook_layout.h"

#include <array>
#include <string>
#include <vector>

namespace excel {

// A level cell that holds no level: no number, or a negative one.
inline constexpr int kNoLevel = -1;

// What the chart reader takes of a workbook, each cell read as the reader reads it.
struct WorkbookValues {
    int sheets = 0;
    bool marked = false;  // the key sheet holds the chart marker
    // The parameter block as whole numbers, 0 where a cell holds none; the texts beside it trimmed.
    std::array<int, kParameterCount> parameters{};
    std::string codeSystem;
    std::string fabricUnit;
    std::array<bool, 3> valuesBegin{};  // each value sheet holds a value in its first cell
    // The rows of the lower blocks, from the row after the first empty cell of the red sheet's
    // column a, as many as the largest chart has: each red row up to its first empty cell or
    // negative level, green and blue as long. A level is rounded; a cell that holds none is kNoLevel.
    std::array<std::vector<std::vector<int>>, 3> levels;
    // Threads chosen for the look are marked; then the upper blocks' colours are read too, as many
    // rows and cells as the lower blocks have, a cell that holds no colour being kNoLevel.
    bool appearance = false;
    std::array<std::vector<std::vector<int>>, 3> colours;
    friend bool operator==(const WorkbookValues&, const WorkbookValues&) = default;
};

struct OpenedWorkbook {
    std::string problem;  // empty when the file was read as a workbook; otherwise the user's message
    WorkbookValues values;
};

// Reads an .xlsx or .ods file, whatever program saved it, in a process of its own.
OpenedWorkbook readWorkbookValues(const std::string& path);

}  // namespace excel
