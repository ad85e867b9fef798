#include "excel/content_wire.h"

#include "chart/chart_limits.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace excel {
namespace {

class Writer {
public:
    void number(std::int32_t n) { bytes_.append(reinterpret_cast<const char*>(&n), sizeof n); }
    void text(const std::string& t) {
        number(static_cast<std::int32_t>(t.size()));
        bytes_ += t;
    }
    std::string take() { return std::move(bytes_); }

private:
    std::string bytes_;
};

class Reader {
public:
    explicit Reader(std::string_view bytes) : rest_(bytes) {}
    bool number(std::int32_t& n) {
        if (rest_.size() < sizeof n) return false;
        std::memcpy(&n, rest_.data(), sizeof n);
        rest_.remove_prefix(sizeof n);
        return true;
    }
    // A count of things that follow, none beyond the limit.
    bool count(std::int32_t& n, std::int32_t limit) { return number(n) && n >= 0 && n <= limit; }
    bool flag(bool& b) {
        std::int32_t n = 0;
        if (!number(n) || (n != 0 && n != 1)) return false;
        b = n == 1;
        return true;
    }
    bool text(std::string& t) {
        std::int32_t size = 0;
        if (!count(size, static_cast<std::int32_t>(rest_.size()))) return false;
        t.assign(rest_.substr(0, static_cast<std::size_t>(size)));
        rest_.remove_prefix(static_cast<std::size_t>(size));
        return true;
    }
    bool done() const { return rest_.empty(); }

private:
    std::string_view rest_;
};

}  // namespace

std::string packValues(const WorkbookValues& values) {
    Writer out;
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
    Reader in(bytes);
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
