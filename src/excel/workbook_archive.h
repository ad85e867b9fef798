#pragma once

#include <string>
#include <string_view>

namespace excel {

// Why a file that is no workbook, or a damaged one, cannot be read.
inline constexpr std::string_view kNoWorkbook = "Excelのブックではないか、壊れています。";

enum class WorkbookFormat { Xlsx, Ods };

// A workbook file's bytes as the reading library is to see them.
struct WorkbookArchive {
    std::string problem;  // empty when the bytes may be read; otherwise why not, for the user
    WorkbookFormat format = WorkbookFormat::Xlsx;
    std::string bytes;  // an archive of the parts, stored without compression
};

// The largest file and the largest part (once inflated) a workbook may have. A chart workbook of
// 200 × 200 cells, as the program or a spreadsheet program saves it, stays far below both; anything
// larger is refused before a byte of it is inflated, so that no file can cost more than a few
// hundred megabytes or many seconds.
inline constexpr long long kMaxWorkbookFileBytes = 32LL << 20;
inline constexpr long long kMaxWorkbookPartBytes = 32LL << 20;
inline constexpr long long kMaxWorkbookInflatedBytes = 64LL << 20;

// Reads a workbook file with its size checked first and tells its format by its contents. Every part
// is inflated and checked here, and the bytes handed on are the parts packed anew, named as the
// reading library finds them whatever form the saving program wrote: a relationship may name its
// target from the package's root ("/xl/..."), and a text cell may be stored inline, as some
// programs save them.
WorkbookArchive openWorkbookArchive(const std::string& path);

}  // namespace excel
