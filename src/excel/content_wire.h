#pragma once

#include "excel/workbook_values.h"

#include <optional>
#include <string>
#include <string_view>

namespace excel {

// What the reader takes of a workbook as bytes and back, to pass it between processes. Unpacking
// gives nothing for bytes that are not such values.
std::string packValues(const WorkbookValues& values);
std::optional<WorkbookValues> unpackValues(std::string_view bytes);

}  // namespace excel
