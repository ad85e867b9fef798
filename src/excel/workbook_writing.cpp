#include "excel/automation_error.h"
#include "excel/workbook_file.h"
#include "excel/workbook_layout.h"
#include "platform/atomic_file.h"

#include <xlsxwriter.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <unordered_map>

#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace excel {
namespace {

// Charts are printed on A4, the paper of the people who stitch them; a printer's own default paper
// (Letter, say) would leave a sliver of the chart on a page of its own.
constexpr std::uint8_t kA4Paper = 9;

void setUpForPrinting(lxw_worksheet* sheet) {
    worksheet_set_landscape(sheet);
    worksheet_set_paper(sheet, kA4Paper);
    worksheet_set_margins(sheet, kSideMargin, kSideMargin, kTopMargin, kTopMargin);
    worksheet_repeat_rows(sheet, 0, 0);
    worksheet_repeat_columns(sheet, 0, 0);
}

// A width in characters of the default font, as a spreadsheet turns it into pixels.
std::uint32_t columnPixels(double characters) {
    constexpr double kDigitPixels = 7;
    constexpr double kPadding = 5;
    return static_cast<std::uint32_t>(characters < 1 ? std::round(characters * (kDigitPixels + kPadding))
                                                      : std::round(characters * kDigitPixels + kPadding));
}

std::uint32_t rowPixels(double points) { return static_cast<std::uint32_t>(std::round(points * 4 / 3)); }

std::uint8_t borderStyle(LineWeight weight) {
    switch (weight) {
    case LineWeight::Hairline: return LXW_BORDER_HAIR;
    case LineWeight::Thin: return LXW_BORDER_THIN;
    case LineWeight::None: break;
    }
    return LXW_BORDER_NONE;
}

// How a cell looks on the chart sheets: the numbers along the top and the left small, every cell
// centred. Other sheets keep the spreadsheet's plain look.
enum class Look : std::uint8_t { Plain, Number, Symbol };

Look lookOf(int sheet, int row, int column) {
    if (sheet != sheetIndex(Sheet::ColourChart) && sheet != sheetIndex(Sheet::SymbolChart)) return Look::Plain;
    return row == 1 || column == 1 ? Look::Number : Look::Symbol;
}

// The library makes a new format for each request; a chart uses a few dozen looks many times.
class Formats {
public:
    explicit Formats(lxw_workbook* workbook) : workbook_(workbook) {}

    lxw_format* of(const CellData& cell, Look look) {
        if (look == Look::Plain && !cell.fill && cell.left == LineWeight::None && cell.top == LineWeight::None &&
            cell.right == LineWeight::None && cell.bottom == LineWeight::None) {
            return nullptr;
        }
        std::uint64_t key = static_cast<std::uint64_t>(look) | static_cast<std::uint64_t>(cell.left) << 2 |
                            static_cast<std::uint64_t>(cell.top) << 4 | static_cast<std::uint64_t>(cell.right) << 6 |
                            static_cast<std::uint64_t>(cell.bottom) << 8;
        if (cell.fill) key |= std::uint64_t{1} << 10 | std::uint64_t{colour(*cell.fill)} << 11;
        if (auto found = formats_.find(key); found != formats_.end()) return found->second;

        lxw_format* format = workbook_add_format(workbook_);
        if (look != Look::Plain) {
            format_set_align(format, LXW_ALIGN_CENTER);
            format_set_align(format, LXW_ALIGN_VERTICAL_CENTER);
            format_set_font_size(format, look == Look::Number ? kNumberFontSize : kSymbolFontSize);
        }
        format_set_left(format, borderStyle(cell.left));
        format_set_top(format, borderStyle(cell.top));
        format_set_right(format, borderStyle(cell.right));
        format_set_bottom(format, borderStyle(cell.bottom));
        if (cell.fill) {
            format_set_pattern(format, LXW_PATTERN_SOLID);
            format_set_bg_color(format, colour(*cell.fill));
        }
        formats_.emplace(key, format);
        return format;
    }

private:
    static std::uint32_t colour(platform::Rgb rgb) { return std::uint32_t{rgb.r} << 16 | rgb.g << 8 | rgb.b; }

    lxw_workbook* workbook_;
    std::unordered_map<std::uint64_t, lxw_format*> formats_;
};

// The library's own words, which are English, as the reason within the window's.
std::string libraryFailure(lxw_error error) { return std::string("ブックを組み立てられません（") + lxw_strerror(error) + "）"; }

lxw_error writeCell(lxw_worksheet* worksheet, int row, int column, const CellData& cell, lxw_format* format) {
    const auto r = static_cast<lxw_row_t>(row - 1);
    const auto c = static_cast<lxw_col_t>(column - 1);
    if (const double* number = std::get_if<double>(&cell.value)) return worksheet_write_number(worksheet, r, c, *number, format);
    if (const std::string* text = std::get_if<std::string>(&cell.value)) {
        // Every reader takes the shared string table; inline strings, the library's low-memory
        // mode, are dropped by some.
        return worksheet_write_string(worksheet, r, c, text->c_str(), format);
    }
    return format ? worksheet_write_blank(worksheet, r, c, format) : LXW_NO_ERROR;
}

std::string writeSheets(const WorkbookContent& content, lxw_workbook* workbook) {
    Formats formats(workbook);
    for (int s = 0; s < static_cast<int>(content.sheets.size()); ++s) {
        const SheetContent& sheet = content.sheets[s];
        lxw_worksheet* worksheet = workbook_add_worksheet(workbook, sheet.name().c_str());
        if (!worksheet) return "シート名「" + sheet.name() + "」は使えません";
        setUpForPrinting(worksheet);
        for (const auto& [column, width] : sheet.columnWidths) {
            worksheet_set_column_pixels(worksheet, column - 1, column - 1, columnPixels(width), nullptr);
        }
        for (const auto& [row, height] : sheet.rowHeights) {
            worksheet_set_row_pixels(worksheet, row - 1, rowPixels(height), nullptr);
        }
        for (int row = 1; row <= sheet.lastRow(); ++row) {
            for (int column = 1; column <= sheet.lastColumn(row); ++column) {
                const CellData& cell = *sheet.find(row, column);
                const lxw_error error = writeCell(worksheet, row, column, cell, formats.of(cell, lookOf(s, row, column)));
                if (error != LXW_NO_ERROR) return libraryFailure(error);
            }
        }
    }
    return {};
}

std::string cannotSave(const std::string& path) {
    return "Excelファイル（" + std::filesystem::path(path).filename().string() + "）を保存できません。";
}

// Holds the descriptor of the anonymous file the workbook library writes to.
class MemoryFile {
public:
    MemoryFile() : fd_(::memfd_create("tessaly-workbook", MFD_CLOEXEC)) {}
    ~MemoryFile() {
        if (fd_ >= 0) ::close(fd_);
    }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;
    int fd() const { return fd_; }
    // A name under which the library's own open reaches this very file.
    std::string name() const { return "/proc/self/fd/" + std::to_string(fd_); }

private:
    int fd_;
};

std::string contentsOf(const MemoryFile& file, const std::string& path) {
    struct stat status {};
    if (::fstat(file.fd(), &status) != 0) throw AutomationError(cannotSave(path), platform::systemProblem(path, errno));
    std::string bytes(static_cast<std::size_t>(status.st_size), '\0');
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        const ssize_t got = ::pread(file.fd(), bytes.data() + filled, bytes.size() - filled, static_cast<off_t>(filled));
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) throw AutomationError(cannotSave(path), platform::systemProblem(path, got < 0 ? errno : EIO));
        filled += static_cast<std::size_t>(got);
    }
    return bytes;
}

// The library writes to a named file only. It writes into an anonymous file in memory, so that the
// workbook reaches the disk the one way every file of the program does, and a disk that is full or
// may not be written is told as such rather than as the library's zip error.
std::string workbookBytes(const WorkbookContent& content, const std::string& path) {
    const MemoryFile file;
    if (file.fd() < 0) throw AutomationError(cannotSave(path), platform::systemProblem(path, errno));
    lxw_workbook* workbook = workbook_new(file.name().c_str());
    if (!workbook) throw AutomationError(cannotSave(path) + "作業用のファイルを作成できません");
    std::string problem = writeSheets(content, workbook);
    const lxw_error closed = workbook_close(workbook);
    if (problem.empty() && closed != LXW_NO_ERROR) problem = libraryFailure(closed);
    if (!problem.empty()) throw AutomationError(cannotSave(path) + problem);
    return contentsOf(file, path);
}

}  // namespace

void writeWorkbookFile(const WorkbookContent& content, const std::string& path) {
    const std::string bytes = workbookBytes(content, path);
    if (const auto problem = platform::replaceFileAtomically(path, bytes)) {
        throw AutomationError(cannotSave(path) + platform::japaneseReason(*problem), *problem);
    }
}

}  // namespace excel
