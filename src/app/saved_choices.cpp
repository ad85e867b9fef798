#include "app/saved_choices.h"

#include "platform/text_codec.h"

namespace app {
namespace {

// A saved switch that is not a number keeps the system's; one that is a number but neither 0 nor 1
// is off, whatever the system says.
bool switchChoice(const std::string& saved, bool systems) {
    const int choice = platform::parseWholeNumber(platform::trimBlanks(saved)).value_or(systems ? 1 : 0);
    return choice == 1;
}

}  // namespace

int chosenSystemIndex(const palette::CodeSystemList& list, const std::string& savedIndex) {
    const int saved = platform::parseWholeNumber(platform::trimBlanks(savedIndex)).value_or(-1);
    return saved >= 0 && saved < static_cast<int>(list.names.size()) ? saved : list.defaultIndex;
}

OptionChoices optionChoices(const palette::CodeSystemSettings& system, const std::string& savedSmoothing,
                            const std::string& savedBoundary, const std::string& savedMaxColours) {
    OptionChoices choices{switchChoice(savedSmoothing, system.smoothing), switchChoice(savedBoundary, system.boundary),
                          system.defaultColours};
    const int saved = platform::parseWholeNumber(platform::trimBlanks(savedMaxColours)).value_or(0);
    if (saved > 0 && saved <= system.maxColours) choices.maxColours = saved;
    return choices;
}

}  // namespace app
