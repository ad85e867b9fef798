#pragma once

#include "app/availability.h"

class QAbstractButton;
class QAction;
class QPushButton;

namespace app {

// The controls that follow the availability flags; the window fills this once.
struct AvailabilityControls {
    QPushButton* Bt_Put = nullptr;
    QPushButton* Bt2_main = nullptr;
    QPushButton* Bt_copy = nullptr;
    QPushButton* Bt_Clr = nullptr;
    QPushButton* Bt2_Excel = nullptr;
    QPushButton* Bt2_Pdf = nullptr;  // available whenever Bt2_Excel is
    QAction* pop1peast = nullptr;
    QAction* pop1open = nullptr;
    QAction* pop1Copy = nullptr;
    QAction* pop1clr = nullptr;
    QAction* pop1chg = nullptr;
    QAbstractButton* BitBtn1 = nullptr;  // paint
    QAbstractButton* BitBtn2 = nullptr;  // pick pen colour
    QAbstractButton* BitBtn3 = nullptr;  // undo
    QAbstractButton* BitBtn4 = nullptr;  // redo
};

// What the idle moments and clipboard changes update: paste follows the clipboard without a click.
void followClipboard(const AvailabilityControls& controls, const AvailabilityFlags& flags);

// Sets every control from the flags; the window calls it after each action, with fresh flags.
void refreshControls(const AvailabilityControls& controls, const AvailabilityFlags& flags);

}  // namespace app
