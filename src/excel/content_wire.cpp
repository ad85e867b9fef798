#include "excel/content_wire.h"

#include "chart/chart_limits.h"
#include "platform/byte_wire.h"

#include <algorithm>

namespace excel {

namespace {

void packRows(platform::ByteWriter& out, const std::vector<std::vector<int>>& rows) {
    out.number(static_cast<std::int32_t>(rows.size()));
    for (const std::vector<int>& row : rows) {
        out.number(static_cast<std::int32_t>(row.size()));
        for (int value : row) out.number(value);
    }
}

bool unpackRows(platform::ByteReader& in, std::vector<std::vector<int>>& rows) {
    std::int32_t count = 0;
    if (!in.count(count, chart::kMaxCells)) return false;
    rows.resize(static_cast<std::size_t>(count));
    for (std::vector<int>& row : rows) {
        std::int32_t cells = 0;
        if (!in.count(cells, chart::kMaxCells)) return false;
        row.resize(static_cast<std::size_t>(cells));
        for (int& value : row) {
            if (!in.number(value)) return false;
        }
    }
    return true;
}

// Every block's rows as long as the red levels' rows: the reader indexes them side by side.
bool sameShape(const std::vector<std::vector<int>>& rows, const std::vector<std::vector<int>>& red) {
    const auto length = [](const std::vector<int>& row) { return row.size(); };
    return std::ranges::equal(rows, red, {}, length, length);
}

}  // namespace

std::string packValues(const WorkbookValues& values) {
    platform::ByteWriter out;
    out.number(values.sheets);
    out.number(values.marked);
    for (int parameter : values.parameters) out.number(parameter);
    out.text(values.codeSystem);
    out.text(values.fabricUnit);
    for (bool begins : values.valuesBegin) out.number(begins);
    for (const auto& rows : values.levels) packRows(out, rows);
    out.number(values.appearance);
    for (const auto& rows : values.colours) packRows(out, rows);
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
        if (!unpackRows(in, rows)) return std::nullopt;
    }
    if (!in.flag(values.appearance)) return std::nullopt;
    for (auto& rows : values.colours) {
        if (!unpackRows(in, rows)) return std::nullopt;
    }
    for (int channel = 1; channel < 3; ++channel) {
        if (!sameShape(values.levels[channel], values.levels[0])) return std::nullopt;
    }
    for (const auto& rows : values.colours) {
        if (values.appearance && !sameShape(rows, values.levels[0])) return std::nullopt;
    }
    if (!in.done()) return std::nullopt;
    return values;
}

}  // namespace excel
