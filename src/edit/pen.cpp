#include "edit/pen.h"

#include "chart/code_painting.h"

namespace edit {

std::string penText(const palette::ColourEntry& entry) {
    std::string text = entry.name + "\r\n";
    if (!entry.code.empty()) text += "(" + entry.code + ")\r\n";
    return text + std::to_string(entry.r) + "-" + std::to_string(entry.g) + "-" + std::to_string(entry.b);
}

platform::Rgb penTextColour(const palette::ColourEntry& entry) {
    return entry.r + entry.g + entry.b >= 450 ? platform::Rgb{0, 0, 0} : platform::kWhite;
}

std::optional<PenDisplay> pickPen(const chart::ChartModel& model, const palette::ColourTable& table,
                                  EditSession& session, CellPosition cell) {
    const palette::ColourEntry* entry = chart::cellEntry(model, table, cell.column, cell.row);
    if (!entry) return std::nullopt;
    const platform::Rgb colour = chart::codeColour(*entry);
    session.penIndex = model.cell(cell.column, cell.row);
    session.penColour = colour;
    return PenDisplay{session.penIndex, colour, entry->code, entry->name, penText(*entry), penTextColour(*entry)};
}

}  // namespace edit
