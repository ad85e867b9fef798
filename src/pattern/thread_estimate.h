#pragma once

// How many skeins a colour takes: thread per full cross stitch from the cell size and the strands,
// with an allowance for starting, ending and moving between stitches.

namespace pattern {

inline constexpr double kThreadPerCell = 4.828;     // thread of one cross stitch, in cell sizes
inline constexpr double kWasteAllowance = 1.5;
inline constexpr double kSkeinLengthCm = 800.0;     // of six strands
inline constexpr int kSkeinStrands = 6;

struct SkeinEstimate {
    double exact = 0;
    int skeins = 0;  // the exact figure rounded up
};

SkeinEstimate estimateSkeins(int stitches, double cellCm, int strands);

}  // namespace pattern
