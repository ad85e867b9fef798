// Writes the empty chart workbook shipped in cfg: make_template OUTPUT.xlsx

#include "excel/automation_error.h"
#include "excel/chart_workbook.h"

#include <iostream>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "usage: make_template OUTPUT.xlsx\n";
        return 2;
    }
    try {
        excel::writeTemplateWorkbook(argv[1]);
    } catch (const excel::AutomationError& e) {
        std::cerr << "make_template: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
