#include "pattern/thread_estimate.h"

#include <cmath>

namespace pattern {

SkeinEstimate estimateSkeins(int stitches, double cellCm, int strands) {
    const double strandCm = stitches * kThreadPerCell * cellCm * strands * kWasteAllowance;
    const double exact = strandCm / (kSkeinLengthCm * kSkeinStrands);
    // A figure that is whole but for rounding noise needs no extra skein.
    return SkeinEstimate{exact, static_cast<int>(std::ceil(exact - 1e-9))};
}

}  // namespace pattern
