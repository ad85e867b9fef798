#pragma once

#include "excel/sheet_content.h"

#include <optional>
#include <string>
#include <string_view>

namespace excel {

// A workbook in memory as bytes and back, to pass it between processes: the sheets' names and their
// cells' values, fills and lines. Unpacking gives nothing for bytes that are no packed workbook.
std::string packContent(const WorkbookContent& content);
std::optional<WorkbookContent> unpackContent(std::string_view bytes);

}  // namespace excel
