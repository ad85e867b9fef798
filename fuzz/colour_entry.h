#pragma once

// A colour of the small tables the fuzz targets chart with: matched as it is shown.

#include "palette/colour_table.h"

inline palette::ColourEntry colourEntry(const char* code, int r, int g, int b) {
    palette::ColourEntry e;
    e.code = code;
    e.name = code;
    e.r = e.matchR = r;
    e.g = e.matchG = g;
    e.b = e.matchB = b;
    e.sum = r + g + b;
    return e;
}
