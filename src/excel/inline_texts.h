#pragma once

#include <string>

namespace excel {

// Rewrites the worksheet's text cells stored inline (t="inlineStr", as some programs save every
// text) as the saved text results of a formula, the form of a text cell the reading library takes
// without a shared string table. The rich-text runs of a cell are joined; its
// phonetic guides are left out.
void inlineTextsAsFormulaResults(std::string& worksheet);

}  // namespace excel
