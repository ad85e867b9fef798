// The size and count dialog: opened for the whole size from the pop-up menu, the size text and its
// picture, for the width from the cells across and for the height from the cells down.

#include "view/dialogs.h"
#include "app/main_window.h"
#include "app/size_dialog.h"
#include "view/picture_area_view.h"
#include "view/rulers.h"

#include <QAction>
#include <QMenu>

namespace app {

// The dialog is made once, with the fabric list as the settings file gives it at start-up.
void TForm1::connectSizeDialog() {
    F_size = new TF_size(document_.settings().fabrics, this);
    connect(PopupMenu1->findChild<QAction*>("pop1size"), &QAction::triggered, this, [this] { showSizeDialog(0); });
    connect(pictureArea, &view::PictureAreaView::sizeDialogRequested, this, &TForm1::showSizeDialog);
    connect(rulers, &view::Rulers::sizeDialogRequested, this, &TForm1::showSizeDialog);
}

void TForm1::showSizeDialog(int focus) {
    const palette::FabricChoice current{document_.fabricIndex(), document_.fabric()};
    if (!F_size->FormShow(focus, pictureArea->cellCounts(), current)) return;
    if (view::dialogs().showChoiceDialog(*F_size) != view::ModalResult::Ok) return;
    document_.setFabric(F_size->chosenFabric());
    pictureArea->setFabric(document_.fabric());
    // The area keeps to its own limits and refreshes the size texts with the new cells.
    pictureArea->showCells(F_size->chosenCells());
}

}  // namespace app
