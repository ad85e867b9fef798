#pragma once

#include <QString>

namespace view {

// A file filter as the program writes it, pairs of a description and its patterns separated by
// bars ("Excel files (*.xlsx)|*.XLSX"), in the form a Qt file dialog takes: one entry per pair,
// naming every pattern of the pair ("Excel files (*.xlsx *.XLSX)"), entries separated by ";;".
QString qtNameFilters(const QString& filter);

}  // namespace view
