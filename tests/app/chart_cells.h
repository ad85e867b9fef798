#pragma once

// The chart's cells as a person meets them in the window: a mouse press on one, and its code.

#include "app/main_window.h"
#include "chart/code_painting.h"
#include "view/picture_area_view.h"
#include "view/picture_panel.h"

#include <QTest>

#include <string>

// A mouse press inside the chart cell, past the panel's frame, as the hand does it on the painting tab.
inline void pressCell(const app::TForm1& window, int column, int row, Qt::KeyboardModifiers keys = Qt::NoModifier) {
    const chart::ChartModel& model = window.document().model();
    QTest::mousePress(window.pictureArea->panel(), Qt::LeftButton, keys,
                      QPoint(4 + column * model.cellWidth + 1, 4 + row * model.cellHeight + 1));
}

// The code of the colour the cell carries; empty for a cell without one.
inline std::string codeAt(const app::TForm1& window, int column, int row) {
    const palette::ColourEntry* entry = chart::cellEntry(window.document().model(), window.document().system().table, column, row);
    return entry ? entry->code : std::string();
}
