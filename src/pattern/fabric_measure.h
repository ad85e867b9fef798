#pragma once

// The stitched piece on the cloth: one cell is one count of the fabric.

#include "palette/fabric.h"

namespace pattern {

inline constexpr double kCmPerInch = 2.54;
inline constexpr double kCutAllowanceCm = 5.0;  // added on each side of the stitched piece
// The counts every stitcher can buy, shown beside the chart's own fabric.
inline constexpr int kCommonCounts[] = {11, 14, 16, 18};

// One cell of the fabric in centimetres; the fabric's count size is in millimetres or centimetres.
double cellCentimetres(const palette::Fabric& fabric);
// One cell of an n-count fabric (n cells to the inch).
double countCellCentimetres(int count);

struct PieceSize {
    double widthCm = 0;
    double heightCm = 0;
};

PieceSize finishedSize(int columns, int rows, double cellCm);
PieceSize cutSize(PieceSize finished);

}  // namespace pattern
