#pragma once

#include "chart/chart_model.h"
#include "edit/edit_session.h"
#include "palette/colour_table.h"

#include <optional>
#include <string>

namespace edit {

// What the pen swatch shows once a colour is picked.
struct PenDisplay {
    std::int32_t packed = -1;
    platform::Rgb colour;
    std::string code;
    std::string name;
    std::string text;  // the swatch's text, lines separated by CR LF
    platform::Rgb textColour;
};

// Name, "(code)" and "R-G-B" on three lines; the code line is left out when there is no code.
std::string penText(const palette::ColourEntry& entry);

// Black stays readable on light colours (channel sum of 450 or more), white on darker ones.
platform::Rgb penTextColour(const palette::ColourEntry& entry);

// Takes the cell's code colour as the pen. A cell without a code colour leaves the pen as it was.
std::optional<PenDisplay> pickPen(const chart::ChartModel& model, const palette::ColourTable& table,
                                  EditSession& session, CellPosition cell);

}  // namespace edit
