#pragma once

// The one font of the printed pattern: IPAGothic holds every chart symbol and the Japanese texts,
// and is embedded, so that a reader can select and search every text and symbol.

#include <QString>

#include <optional>

namespace pattern {

// The family to draw in, once the font file is known to the application; none when it is missing.
std::optional<QString> patternFontFamily();

}  // namespace pattern
