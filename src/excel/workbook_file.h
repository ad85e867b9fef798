#pragma once

#include "excel/sheet_content.h"

#include <string>

namespace excel {

// Reads an .xlsx or .ods file, whatever program saved it: sheet names, values and cell fills.
// Raises AutomationError when the file cannot be read or is no workbook.
WorkbookContent readWorkbookFile(const std::string& path);

// Writes the workbook as .xlsx, complete or not at all, with the look every chart workbook has
// (print set-up, fonts and alignment of the chart sheets) and the widths, heights, lines, fills and
// values it holds. Raises AutomationError when the file cannot be written.
void writeWorkbookFile(const WorkbookContent& content, const std::string& path);

}  // namespace excel
