#include "document/saved_options.h"

namespace document {

int chosenSystemIndex(const palette::CodeSystemList& list, std::optional<int> saved) {
    return saved && *saved >= 0 && *saved < static_cast<int>(list.names.size()) ? *saved : list.defaultIndex;
}

chart::ChartChoices savedChoices(const palette::CodeSystemSettings& system, const SavedOptions& saved) {
    chart::ChartChoices choices = chart::defaultChoices(system);
    // A saved switch that is a number but neither 0 nor 1 is off, whatever the system says.
    if (saved.smoothing) choices.smoothing = *saved.smoothing == 1;
    if (saved.boundary) choices.boundary = *saved.boundary == 1;
    if (saved.appearance) choices.appearance = *saved.appearance == 1;
    if (saved.maxColours && *saved.maxColours > 0 && *saved.maxColours <= system.maxColours) {
        choices.maxColours = *saved.maxColours;
    }
    return choices;
}

}  // namespace document
