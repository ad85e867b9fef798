#pragma once

// Works the size dialog's controls as a user does: typing, and choosing from the fabric list.

#include "app/size_dialog.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>

inline void typeCells(QSpinBox* cells, const QString& number) {
    cells->setFocus();
    QTest::keyClick(cells, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(cells, number);
}

inline void typeCountSize(app::TF_size& dialog, const QString& size) {
    dialog.Edit1->setFocus();
    dialog.Edit1->selectAll();
    QTest::keyClicks(dialog.Edit1, size);
    QTest::keyClick(dialog.Edit1, Qt::Key_Return);
}

// Picked in the open list, so that only the chosen fabric is applied.
inline void chooseFabric(app::TF_size& dialog, int index) {
    dialog.Comb1->showPopup();
    QAbstractItemView* list = dialog.Comb1->view();
    list->setCurrentIndex(list->model()->index(index, 0));
    QTest::keyClick(list, Qt::Key_Return);
}
