#pragma once

#include "palette/fabric.h"
#include "view/cell_geometry.h"

#include <QDialog>

#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace app {

// The size and count dialog "サイズ・カウント変更": the chart's cells across (`SEdit1`) and down
// (`SEdit2`) and the fabric it will be stitched on (`Comb1`, with the size of one count in `Edit1`),
// showing the stitched width and height while the user edits. What is edited stays in the dialog:
// the caller reads the choice only after OK.
class TF_size : public QDialog {
public:
    // The fabric list is the one of start-up; the dialog lives as long as the main window.
    explicit TF_size(std::vector<palette::Fabric> fabrics, QWidget* parent = nullptr);

    // Readies one opening from the picture area's cells and the current fabric, with the focus where
    // the user clicked: 0 the whole size (the OK button), 1 the width, 2 the height. False, after
    // telling the user, when the area shows no cells.
    bool FormShow(int focus, view::CellCounts cells, const palette::FabricChoice& current);

    view::CellCounts chosenCells() const;
    palette::FabricChoice chosenFabric() const;

    QSpinBox* SEdit1;
    QSpinBox* SEdit2;
    QLabel* Panel1;  // the stitched width
    QLabel* Panel2;  // the stitched height
    QLineEdit* Edit1;
    QSpinBox* SEdit1mm;
    QLabel* L1mm;
    QComboBox* Comb1;
    QPushButton* OK;
    QPushButton* Button2;

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void SEdit1mmChange();
    void Edit1Commit();
    void Comb1Change(int index);
    void updateTexts(bool force);
    int cellsOf(QSpinBox* edit, bool force);
    void OKClick();

    std::vector<palette::Fabric> fabrics_;
    palette::Fabric working_;  // the fabric values being edited; the name is Comb1's
    int openingIndex_ = 0;
};

}  // namespace app
