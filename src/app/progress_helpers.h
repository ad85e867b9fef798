#pragma once

#include <QString>
#include <QVariant>

// Small pieces that the workbook export and import share and that need no window.
namespace app {

// The lower-case column letters of the worksheet column after n columns (n from 0): "a" to "z",
// then "aa", "ab" … "az", "ba" …, as a cell address such as "b2" spells them.
QString ColumnLetters(int n);

// A worksheet cell's value read as a decimal whole number through its text form; fallback when
// the cell is empty or holds anything else, such as a word or a number with a fraction.
int VariantToIntDef(const QVariant& value, int fallback);

}  // namespace app
