#include "excel/content_wire.h"

#include <cstdint>
#include <cstring>

namespace excel {
namespace {

enum class ValueKind : std::uint8_t { Empty, Number, Text };

class Writer {
public:
    void number(std::uint32_t n) { bytes_.append(reinterpret_cast<const char*>(&n), sizeof n); }
    void byte(std::uint8_t b) { bytes_.push_back(static_cast<char>(b)); }
    void real(double d) { bytes_.append(reinterpret_cast<const char*>(&d), sizeof d); }
    void text(const std::string& t) {
        number(static_cast<std::uint32_t>(t.size()));
        bytes_ += t;
    }
    std::string take() { return std::move(bytes_); }

private:
    std::string bytes_;
};

class Reader {
public:
    explicit Reader(std::string_view bytes) : rest_(bytes) {}
    bool number(std::uint32_t& n) { return raw(&n, sizeof n); }
    bool byte(std::uint8_t& b) { return raw(&b, sizeof b); }
    bool real(double& d) { return raw(&d, sizeof d); }
    bool text(std::string& t) {
        std::uint32_t size = 0;
        if (!number(size) || size > rest_.size()) return false;
        t.assign(rest_.substr(0, size));
        rest_.remove_prefix(size);
        return true;
    }
    bool done() const { return rest_.empty(); }

private:
    bool raw(void* into, std::size_t size) {
        if (rest_.size() < size) return false;
        std::memcpy(into, rest_.data(), size);
        rest_.remove_prefix(size);
        return true;
    }
    std::string_view rest_;
};

constexpr std::uint8_t kNoFill = 0;
constexpr std::uint8_t kFilled = 1;

}  // namespace

std::string packContent(const WorkbookContent& content) {
    Writer out;
    out.number(static_cast<std::uint32_t>(content.sheets.size()));
    for (const SheetContent& sheet : content.sheets) {
        out.text(sheet.name());
        std::uint32_t cells = 0;
        for (int row = 1; row <= sheet.lastRow(); ++row) cells += static_cast<std::uint32_t>(sheet.lastColumn(row));
        out.number(cells);
        for (int row = 1; row <= sheet.lastRow(); ++row) {
            for (int column = 1; column <= sheet.lastColumn(row); ++column) {
                const CellData& cell = *sheet.find(row, column);
                out.number(static_cast<std::uint32_t>(row));
                out.number(static_cast<std::uint32_t>(column));
                if (const double* number = std::get_if<double>(&cell.value)) {
                    out.byte(static_cast<std::uint8_t>(ValueKind::Number));
                    out.real(*number);
                } else if (const std::string* text = std::get_if<std::string>(&cell.value)) {
                    out.byte(static_cast<std::uint8_t>(ValueKind::Text));
                    out.text(*text);
                } else {
                    out.byte(static_cast<std::uint8_t>(ValueKind::Empty));
                }
                out.byte(cell.fill ? kFilled : kNoFill);
                if (cell.fill) {
                    out.byte(cell.fill->r);
                    out.byte(cell.fill->g);
                    out.byte(cell.fill->b);
                }
                for (LineWeight weight : {cell.left, cell.top, cell.right, cell.bottom}) out.byte(static_cast<std::uint8_t>(weight));
            }
        }
    }
    return out.take();
}

std::optional<WorkbookContent> unpackContent(std::string_view bytes) {
    Reader in(bytes);
    WorkbookContent content;
    std::uint32_t sheets = 0;
    if (!in.number(sheets)) return std::nullopt;
    for (std::uint32_t s = 0; s < sheets; ++s) {
        std::string name;
        std::uint32_t cells = 0;
        if (!in.text(name) || !in.number(cells)) return std::nullopt;
        SheetContent& sheet = content.sheets.emplace_back(std::move(name));
        for (std::uint32_t c = 0; c < cells; ++c) {
            std::uint32_t row = 0, column = 0;
            std::uint8_t kind = 0, filled = 0;
            if (!in.number(row) || !in.number(column) || row < 1 || column < 1 || row > 1u << 20 ||
                column > 1u << 14 || !in.byte(kind)) {
                return std::nullopt;
            }
            CellData& cell = sheet.cell(static_cast<int>(row), static_cast<int>(column));
            if (kind == static_cast<std::uint8_t>(ValueKind::Number)) {
                double number = 0;
                if (!in.real(number)) return std::nullopt;
                cell.value = number;
            } else if (kind == static_cast<std::uint8_t>(ValueKind::Text)) {
                std::string text;
                if (!in.text(text)) return std::nullopt;
                cell.value = std::move(text);
            } else if (kind != static_cast<std::uint8_t>(ValueKind::Empty)) {
                return std::nullopt;
            }
            if (!in.byte(filled)) return std::nullopt;
            if (filled == kFilled) {
                platform::Rgb fill{};
                if (!in.byte(fill.r) || !in.byte(fill.g) || !in.byte(fill.b)) return std::nullopt;
                cell.fill = fill;
            }
            for (LineWeight* weight : {&cell.left, &cell.top, &cell.right, &cell.bottom}) {
                std::uint8_t w = 0;
                if (!in.byte(w) || w > static_cast<std::uint8_t>(LineWeight::Thin)) return std::nullopt;
                *weight = static_cast<LineWeight>(w);
            }
        }
    }
    if (!in.done()) return std::nullopt;
    return content;
}

}  // namespace excel
