#include "chart/colour_count.h"

#include <unordered_map>

namespace chart {

const std::array<const char*, kColourListRows> kChartSymbols{
    "Ｘ", "☆", "○", "◎", "▽", "★", "◇", "△", "田", "∃", "＞", "山", "／", "◆", "＜", "Ｌ", "※", "▲", "＋",
    "Ｍ", "＊", "＃", "♪", "♂", "♀", "〆", "П", "〒", "＄", "ロ", "％", "＆", "＝", "Ω", "Σ", "▼", "㊥", "Ｖ",
    "Ａ", "Ｄ", "Ｅ", "㊦", "Ｋ", "Ｓ", "Ｒ", "Ｚ", "￡", "Ю", "Ｗ", "中", "谷", "三", "五", "七", "九", "古"};

int countColoursInUse(ChartModel& model, palette::ColourTable& table) {
    palette::clearSymbols(table);
    ColourList& list = model.colourList;
    list.rows.fill(ColourListRow{});

    // Distinct colours, each with its place in the order first met; only the first 56 get a row.
    std::unordered_map<std::int32_t, std::size_t> distinct;
    const QuantisationCube& cube = model.cube;
    for (std::size_t offset = 0; offset < cube.counts.size(); ++offset) {
        const std::int32_t count = cube.counts.atOffset(offset);
        if (count <= 0) continue;
        const int code = cube.codes.atOffset(offset);
        palette::ColourEntry* entry = code >= 0 ? &table[static_cast<std::size_t>(code)] : nullptr;
        const Rgb colour = entry ? Rgb{static_cast<std::uint8_t>(entry->r), static_cast<std::uint8_t>(entry->g),
                                       static_cast<std::uint8_t>(entry->b)}
                                 : kWhite;
        const auto [found, isNew] = distinct.try_emplace(colourValue(colour.r, colour.g, colour.b), distinct.size());
        const std::size_t row = found->second;
        if (!isNew) {
            if (row < kColourListRows) list.rows[row].count += count;
            continue;
        }
        if (row < kColourListRows) {
            ColourListRow& r = list.rows[row];
            r.count = count;
            r.r = colour.r;
            r.g = colour.g;
            r.b = colour.b;
            // A cube cell without a code colour shows white and has no code or name.
            r.code = entry ? entry->code : "";
            r.name = entry ? entry->name : "";
            // White carries no symbol, though it uses up its row's.
            r.symbol = colour == kWhite ? " " : kChartSymbols[row];
            if (entry) entry->symbol = r.symbol;
        }
    }
    list.coloursInUse = static_cast<int>(distinct.size());
    return list.coloursInUse;
}

}  // namespace chart
