#include "pattern/fabric_measure.h"

namespace pattern {

double cellCentimetres(const palette::Fabric& fabric) {
    return fabric.unit == "mm" ? fabric.countSize / 10.0 : fabric.countSize;
}

double countCellCentimetres(int count) { return kCmPerInch / count; }

PieceSize finishedSize(int columns, int rows, double cellCm) { return PieceSize{columns * cellCm, rows * cellCm}; }

PieceSize cutSize(PieceSize finished) {
    return PieceSize{finished.widthCm + 2 * kCutAllowanceCm, finished.heightCm + 2 * kCutAllowanceCm};
}

}  // namespace pattern
