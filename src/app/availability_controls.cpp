#include "app/availability_controls.h"

#include "app/faded_caption.h"

#include <QAction>
#include <QPushButton>

namespace app {

void followClipboard(const AvailabilityControls& controls, const AvailabilityFlags& flags) {
    const ControlStates states = controlStates(flags);
    setCaptionFaded(controls.Bt_Put, !states.putNormal);
    controls.pop1peast->setEnabled(states.pasteItemEnabled);
}

void refreshControls(const AvailabilityControls& controls, const AvailabilityFlags& flags) {
    const ControlStates states = controlStates(flags);
    followClipboard(controls, flags);
    setCaptionFaded(controls.Bt2_main, !states.mainNormal);
    setCaptionFaded(controls.Bt_copy, !states.copyNormal);
    setCaptionFaded(controls.Bt_Clr, !states.clearNormal);
    setCaptionFaded(controls.Bt2_Excel, !states.excelNormal);
    setCaptionFaded(controls.Bt2_Pdf, !states.excelNormal);
    controls.pop1open->setEnabled(states.openItemEnabled);
    controls.pop1Copy->setEnabled(states.copyItemEnabled);
    controls.pop1clr->setEnabled(states.clearItemEnabled);
    controls.pop1chg->setEnabled(states.switchItemEnabled);
    controls.pop1chg->setText(states.switchItemCaption);
    controls.BitBtn1->setEnabled(states.paintEnabled);
    controls.BitBtn2->setEnabled(states.pickEnabled);
    controls.BitBtn3->setEnabled(states.undoEnabled);
    controls.BitBtn4->setEnabled(states.redoEnabled);
}

}  // namespace app
