#include "excel/chart_workbook.h"
#include "excel/workbook_file.h"
#include "excel/workbook_layout.h"

namespace excel {

void writeTemplateWorkbook(const std::string& path) {
    WorkbookContent book;
    for (std::string_view name : kSheetNames) book.sheets.emplace_back(std::string(name));
    SheetContent& key = book.sheets[sheetIndex(Sheet::Key)];
    for (const KeyColumn& header : kKeyHeader) key.cell(1, header.column).value = std::string(header.header);
    writeWorkbookFile(book, path);
}

}  // namespace excel
