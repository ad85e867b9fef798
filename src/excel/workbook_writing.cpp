#include "excel/workbook_writing.h"

#include <xlsxwriter.h>

#include <array>
#include <cerrno>
#include <cmath>
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

std::uint32_t colour(platform::Rgb rgb) { return std::uint32_t{rgb.r} << 16 | rgb.g << 8 | rgb.b; }

// The library makes a new format for each request; a chart uses a few dozen looks many times.
class Formats {
public:
    explicit Formats(lxw_workbook* workbook) : workbook_(workbook) {}

    lxw_format* of(const CellLook& look) {
        if (look.font == CellLook::Font::Plain && !look.fill && look.right == LineWeight::None &&
            look.bottom == LineWeight::None) {
            return nullptr;
        }
        std::uint64_t key = static_cast<std::uint64_t>(look.font) | static_cast<std::uint64_t>(look.right) << 2 |
                            static_cast<std::uint64_t>(look.bottom) << 4;
        if (look.fill) key |= std::uint64_t{1} << 6 | std::uint64_t{colour(*look.fill)} << 7;
        if (auto found = formats_.find(key); found != formats_.end()) return found->second;

        lxw_format* format = workbook_add_format(workbook_);
        if (look.font != CellLook::Font::Plain) {
            format_set_align(format, LXW_ALIGN_CENTER);
            format_set_align(format, LXW_ALIGN_VERTICAL_CENTER);
            format_set_font_size(format, look.font == CellLook::Font::Number ? kNumberFontSize : kSymbolFontSize);
        }
        format_set_right(format, borderStyle(look.right));
        format_set_bottom(format, borderStyle(look.bottom));
        if (look.fill) {
            format_set_pattern(format, LXW_PATTERN_SOLID);
            format_set_bg_color(format, colour(*look.fill));
        }
        formats_.emplace(key, format);
        return format;
    }

private:
    lxw_workbook* workbook_;
    std::unordered_map<std::uint64_t, lxw_format*> formats_;
};

// The library's own words, which are English, as the reason within the window's.
std::string libraryFailure(lxw_error error) { return std::string("ブックを組み立てられません（") + lxw_strerror(error) + "）"; }

const std::string kNoScratchFile = "作業用のファイルを作成できません";

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

    // What the library wrote; nothing when it cannot be read back.
    std::optional<std::string> contents() const {
        struct stat status {};
        if (::fstat(fd_, &status) != 0) return std::nullopt;
        std::string bytes(static_cast<std::size_t>(status.st_size), '\0');
        std::size_t filled = 0;
        while (filled < bytes.size()) {
            const ssize_t got = ::pread(fd_, bytes.data() + filled, bytes.size() - filled, static_cast<off_t>(filled));
            if (got < 0 && errno == EINTR) continue;
            if (got <= 0) return std::nullopt;
            filled += static_cast<std::size_t>(got);
        }
        return bytes;
    }

private:
    int fd_;
};

}  // namespace

// The library writes to a named file only. It writes into an anonymous file in memory, so that the
// workbook reaches the disk the one way every file of the program does, and a disk that is full or
// may not be written is told as such rather than as the library's zip error.
struct WorkbookWriter::Parts {
    MemoryFile file;
    lxw_workbook* workbook = file.fd() >= 0 ? workbook_new(file.name().c_str()) : nullptr;
    Formats formats{workbook};
    std::array<lxw_worksheet*, kSheetCount> sheets{};
    lxw_error firstError = LXW_NO_ERROR;

    void note(lxw_error error) {
        if (firstError == LXW_NO_ERROR) firstError = error;
    }
    lxw_worksheet* sheet(Sheet s) const { return sheets[static_cast<std::size_t>(sheetIndex(s))]; }
};

WorkbookWriter::WorkbookWriter() : parts_(std::make_unique<Parts>()) {
    if (!parts_->workbook) return;
    for (int s = 0; s < kSheetCount; ++s) {
        lxw_worksheet* sheet = workbook_add_worksheet(parts_->workbook, std::string(kSheetNames[s]).c_str());
        if (!sheet) {
            parts_->note(LXW_ERROR_MEMORY_MALLOC_FAILED);
            return;
        }
        setUpForPrinting(sheet);
        parts_->sheets[static_cast<std::size_t>(s)] = sheet;
    }
}

WorkbookWriter::~WorkbookWriter() {
    if (parts_->workbook) lxw_workbook_free(parts_->workbook);
}

void WorkbookWriter::columnWidth(Sheet sheet, int column, double characters) {
    if (lxw_worksheet* s = parts_->sheet(sheet)) {
        const auto c = static_cast<lxw_col_t>(column - 1);
        parts_->note(worksheet_set_column_pixels(s, c, c, columnPixels(characters), nullptr));
    }
}

void WorkbookWriter::rowHeight(Sheet sheet, int row, double points) {
    if (lxw_worksheet* s = parts_->sheet(sheet)) {
        parts_->note(worksheet_set_row_pixels(s, static_cast<lxw_row_t>(row - 1), rowPixels(points), nullptr));
    }
}

void WorkbookWriter::number(Sheet sheet, int row, int column, double value, const CellLook& look) {
    if (lxw_worksheet* s = parts_->sheet(sheet)) {
        parts_->note(worksheet_write_number(s, static_cast<lxw_row_t>(row - 1), static_cast<lxw_col_t>(column - 1),
                                            value, parts_->formats.of(look)));
    }
}

void WorkbookWriter::text(Sheet sheet, int row, int column, const std::string& value, const CellLook& look) {
    if (value.empty()) return blank(sheet, row, column, look);
    // Every reader takes the shared string table; inline strings, the library's low-memory mode,
    // are dropped by some.
    if (lxw_worksheet* s = parts_->sheet(sheet)) {
        parts_->note(worksheet_write_string(s, static_cast<lxw_row_t>(row - 1), static_cast<lxw_col_t>(column - 1),
                                            value.c_str(), parts_->formats.of(look)));
    }
}

void WorkbookWriter::blank(Sheet sheet, int row, int column, const CellLook& look) {
    lxw_worksheet* s = parts_->sheet(sheet);
    if (lxw_format* format = s ? parts_->formats.of(look) : nullptr) {
        parts_->note(worksheet_write_blank(s, static_cast<lxw_row_t>(row - 1), static_cast<lxw_col_t>(column - 1), format));
    }
}

void WorkbookWriter::printArea(Sheet sheet, int lastRow, int lastColumn) {
    if (lxw_worksheet* s = parts_->sheet(sheet)) {
        parts_->note(worksheet_print_area(s, 0, 0, static_cast<lxw_row_t>(lastRow - 1), static_cast<lxw_col_t>(lastColumn - 1)));
    }
}

void WorkbookWriter::pageBreaks(Sheet sheet, const std::vector<int>& rows, const std::vector<int>& columns) {
    lxw_worksheet* s = parts_->sheet(sheet);
    if (!s) return;
    // The library takes each break as the first row or column of the new page, counted from 0, in
    // a list that a 0 ends.
    std::vector<lxw_row_t> rowBreaks;
    for (int row : rows) rowBreaks.push_back(static_cast<lxw_row_t>(row - 1));
    rowBreaks.push_back(0);
    std::vector<lxw_col_t> columnBreaks;
    for (int column : columns) columnBreaks.push_back(static_cast<lxw_col_t>(column - 1));
    columnBreaks.push_back(0);
    if (rowBreaks.size() > 1) parts_->note(worksheet_set_h_pagebreaks(s, rowBreaks.data()));
    if (columnBreaks.size() > 1) parts_->note(worksheet_set_v_pagebreaks(s, columnBreaks.data()));
}

void WorkbookWriter::footer(Sheet sheet, std::string_view text) {
    if (lxw_worksheet* s = parts_->sheet(sheet)) parts_->note(worksheet_set_footer(s, std::string(text).c_str()));
}

void WorkbookWriter::hide(Sheet sheet) {
    if (lxw_worksheet* s = parts_->sheet(sheet)) worksheet_hide(s);
}

WorkbookBytes WorkbookWriter::finish() {
    if (!parts_->workbook) return {{}, kNoScratchFile};
    const lxw_error closed = workbook_close(parts_->workbook);
    parts_->workbook = nullptr;
    if (parts_->firstError == LXW_NO_ERROR) parts_->firstError = closed;
    if (parts_->firstError != LXW_NO_ERROR) return {{}, libraryFailure(parts_->firstError)};
    std::optional<std::string> bytes = parts_->file.contents();
    if (!bytes) return {{}, kNoScratchFile};
    return {std::move(*bytes), {}};
}

}  // namespace excel
