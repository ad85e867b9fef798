#include "excel/content_wire.h"

#include "chart/chart_limits.h"
#include "platform/byte_wire.h"

#include <algorithm>

namespace excel {

std::string packValues(const WorkbookValues& values) {
    platform::ByteWriter out;
    out.number(values.sheets);
    out.number(values.marked);
    for (int parameter : values.parameters) out.number(parameter);
    out.text(values.codeSystem);
    out.text(values.fabricUnit);
    for (bool begins : values.valuesBegin) out.number(begins);
    for (const auto& rows : values.levels) {
        out.number(static_cast<std::int32_t>(rows.size()));
        for (const std::vector<int>& row : rows) {
            out.number(static_cast<std::int32_t>(row.size()));
            for (int level : row) out.number(level);
        }
    }
    return out.take();
}

std::optional<WorkbookValues> unpackValues(std::string_view bytes) {
    platform::ByteReader in(bytes);
    WorkbookValues values;
    if (!in.number(values.sheets) || !in.flag(values.marked)) return std::nullopt;
    for (int& parameter : values.parameters) {
        if (!in.number(parameter)) return std::nullopt;
    }
    if (!in.text(values.codeSystem) || !in.text(values.fabricUnit)) return std::nullopt;
    for (bool& begins : values.valuesBegin) {
        if (!in.flag(begins)) return std::nullopt;
    }
    for (auto& rows : values.levels) {
        std::int32_t count = 0;
        if (!in.count(count, chart::kMaxCells)) return std::nullopt;
        rows.resize(static_cast<std::size_t>(count));
        for (std::vector<int>& row : rows) {
            std::int32_t cells = 0;
            if (!in.count(cells, chart::kMaxCells)) return std::nullopt;
            row.resize(static_cast<std::size_t>(cells));
            for (int& level : row) {
                if (!in.number(level)) return std::nullopt;
            }
        }
    }
    // Green and blue rows are as long as the red ones.
    for (int channel = 1; channel < 3; ++channel) {
        const auto length = [](const std::vector<int>& row) { return row.size(); };
        if (!std::ranges::equal(values.levels[channel], values.levels[0], {}, length, length)) return std::nullopt;
    }
    if (!in.done()) return std::nullopt;
    return values;
}

}  // namespace excel
