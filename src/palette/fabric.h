#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace palette {

// A fabric whose count size the user sets himself; only the fabric list holds it.
inline constexpr double kFreeSize = -1.0;

// The cloth a chart is stitched on, as the fabric list names it and as charts are sized for: the
// size of one count (cells per unit of length) in its unit, "mm" or "cm".
struct Fabric {
    std::string name;
    double countSize = 1.0;  // one count in `unit`; in the list also kFreeSize
    std::string unit = "mm";
};

// The next larger unit a chart's stitched size is shown in: centimetres for millimetres, else metres.
std::string largeUnit(std::string_view unit);

// A count size as the program writes it, in the saved options and in the size texts: two decimals,
// thousands grouped, right-aligned in six characters.
std::string formatCountSize(double countSize);

// The fabric charts are sized for, and its place in the fabric list. Its count size is a real one:
// a free size of the list has become the user's size.
struct FabricChoice {
    int index = 0;
    Fabric fabric;
};

// The fabric of the last run when the saved count size and unit still name one of the list (a free
// size takes the saved size), otherwise the settings' default fabric.
FabricChoice chooseFabric(const std::vector<Fabric>& fabrics, int defaultIndex, std::optional<double> savedSize,
                          std::string_view savedUnit);

}  // namespace palette
