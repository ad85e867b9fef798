#pragma once

#include "app/availability.h"

#include <optional>

class QWidget;

namespace app {

// Which pictures show after the screen switch ("→原画を表示" / "→図案を表示", or a double-click on
// the scroll box). Outside painting the source picture lies under the chart and is left as it is;
// while painting the picture not shown is hidden.
struct ShownPictures {
    std::optional<bool> source;  // Image1; nothing to change when empty
    bool chart = false;          // Image2
    friend bool operator==(const ShownPictures&, const ShownPictures&) = default;
};

// Nothing to switch unless there are both a source picture and a chart: the double-click obeys
// the same rule as the pop-up item, which is disabled then.
std::optional<ShownPictures> picturesAfterSwitch(const AvailabilityFlags& flags);

// Switches between source picture and chart; the window refreshes its controls afterwards.
void switchScreen(QWidget* Image1, QWidget* Image2, const AvailabilityFlags& flags);

}  // namespace app
