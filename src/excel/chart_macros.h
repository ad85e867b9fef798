#pragma once

#include "excel/sheet_content.h"

namespace excel {

// "draw01": gives every chart cell of the colour chart the colour made of its red, green and blue
// in the upper blocks of the value sheets.
void colourChartCells(WorkbookContent& book);

// "read01": writes into column a of every lower-block row of the value sheets the row's level
// numbers, each followed by a comma ("3,0,17,").
void joinLevelRows(WorkbookContent& book);

}  // namespace excel
