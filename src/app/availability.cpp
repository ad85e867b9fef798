#include "app/availability.h"

namespace app {

AvailabilityFlags recomputeFlags(const AvailabilityFacts& facts) {
    return {
        .clipboardHasPicture = facts.clipboardHasPicture,
        .picturePresent = facts.picturePresent,
        .chartPresent = facts.chartPresent,
        .sourceShown = facts.chartPresent && !facts.chartVisible,
        .editMode = facts.activeTab == paintingTab,
        .penColourChosen = facts.penColourIndex >= 0,
        .undoAvailable = facts.undoAvailable,
        .redoAvailable = facts.redoAvailable,
    };
}

ControlStates controlStates(const AvailabilityFlags& flags) {
    ControlStates states;
    // The paste button and the painting tools sit on the tab that is hidden in the other mode, so
    // they are set in both modes: they are right the moment their tab shows.
    states.putNormal = flags.clipboardHasPicture;
    states.mainNormal = flags.picturePresent;
    states.copyNormal = flags.chartPresent && !flags.sourceShown;
    states.clearNormal = flags.picturePresent || flags.chartPresent;
    states.excelNormal = flags.chartPresent;

    // The pop-up menu works on the chart making tab only; painting has its own mouse actions.
    states.pasteItemEnabled = flags.clipboardHasPicture && !flags.editMode;
    states.openItemEnabled = !flags.editMode;
    states.copyItemEnabled = states.copyNormal && !flags.editMode;
    states.clearItemEnabled = states.clearNormal && !flags.editMode;

    states.switchItemEnabled = flags.picturePresent && flags.chartPresent;
    if (!states.switchItemEnabled)
        states.switchItemCaption = "原画/図案切替";
    else
        states.switchItemCaption = flags.sourceShown ? "→図案を表示" : "→原画を表示";

    // Nothing can be painted on the source picture.
    const bool onChart = !flags.sourceShown;
    states.paintEnabled = onChart && flags.penColourChosen;
    states.pickEnabled = onChart;
    states.undoEnabled = onChart && flags.undoAvailable;
    states.redoEnabled = onChart && flags.redoAvailable;
    return states;
}

}  // namespace app
