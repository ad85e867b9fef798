#pragma once

#include "palette/fabric.h"
#include "view/cell_geometry.h"

#include <string>

namespace view {

// The stitched length of that many cells in the fabric's large unit, without the unit: millimetres
// as centimetres to one decimal ("9.1"), centimetres as metres to two ("0.50"). The length in the
// fabric's own unit is first rounded to whole units, halves to even.
std::string stitchedLength(int cells, const palette::Fabric& fabric);

// The fabric and the stitched size of a chart of that many cells, for example
// "1センチ11目(#0.91mm) ＜横:9.1cm (100) × 縦:10.9cm (120)＞". A count size of zero or less — a
// free-size fabric whose size the user has not given yet — is taken as 1.0 in the fabric's unit,
// so that no negative lengths are shown.
std::string sizeText(const palette::Fabric& fabric, CellCounts cells);

}  // namespace view
