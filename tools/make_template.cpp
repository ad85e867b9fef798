// Writes the empty chart workbook shipped in cfg: make_template OUTPUT.xlsx

#include "excel/chart_workbook.h"

#include <iostream>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "usage: make_template OUTPUT.xlsx\n";
        return 2;
    }
    const excel::WorkbookWrite written = excel::writeTemplateWorkbook(argv[1]);
    if (!written.message.empty()) {
        std::cerr << "make_template: " << written.message << '\n';
        return 1;
    }
    return 0;
}
