// A saved workbook never replaces a file nobody may write. Links, permission bits and a full disk
// are met through the window's export, where the user sees what comes of them.

#include "excel/chart_workbook.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

TEST(WorkbookSaving, AFileNobodyMayWriteIsNotReplaced) {
    const fs::path folder = fs::temp_directory_path() / "tessaly-saving";
    fs::remove_all(folder);
    fs::create_directories(folder);
    const std::string kept = (folder / "kept.xlsx").string();
    std::ofstream(kept) << "old";
    fs::permissions(kept, fs::perms(0444));
    excel::WorkbookProgress quiet;
    EXPECT_EQ(excel::writeChartWorkbook(kept, chart::ChartModel{}, palette::LoadedCodeSystem{}, {}, quiet),
              "Excelファイル（kept.xlsx）を保存できません。「" + kept + "」は書き込みが禁止されています");
    std::ifstream file(kept);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(file), {}), "old");
    fs::remove_all(folder);
}

}  // namespace
