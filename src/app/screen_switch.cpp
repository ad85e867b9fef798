#include "app/screen_switch.h"

#include <QWidget>

namespace app {

std::optional<ShownPictures> picturesAfterSwitch(const AvailabilityFlags& flags) {
    if (!flags.picturePresent || !flags.chartPresent) return std::nullopt;
    const bool showChart = flags.sourceShown;
    ShownPictures shown;
    shown.chart = showChart;
    if (flags.editMode) shown.source = !showChart;
    return shown;
}

void switchScreen(QWidget* Image1, QWidget* Image2, const AvailabilityFlags& flags) {
    const std::optional<ShownPictures> shown = picturesAfterSwitch(flags);
    if (!shown) return;
    if (shown->source) Image1->setVisible(*shown->source);
    Image2->setVisible(shown->chart);
}

}  // namespace app
