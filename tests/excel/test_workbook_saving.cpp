// A saved workbook never replaces a file nobody may write. Links, permission bits and a full disk
// are met through the window's export, where the user sees what comes of them.

#include "excel/automation_error.h"
#include "excel/chart_workbook.h"
#include "excel/workbook_engine.h"
#include "excel/workbook_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

class WorkbookSaving : public ::testing::Test {
protected:
    WorkbookSaving() {
        folder_ = fs::temp_directory_path() /
                  ("tessaly-saving-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        excel::writeTemplateWorkbook(path("template.xlsx"));
    }
    ~WorkbookSaving() override { fs::remove_all(folder_); }

    std::string path(const std::string& name) const { return (folder_ / name).string(); }

    fs::path folder_;
    excel::Application excel_;
};

TEST_F(WorkbookSaving, AFileNobodyMayWriteIsNotReplaced) {
    std::ofstream(path("kept.xlsx")) << "old";
    fs::permissions(path("kept.xlsx"), fs::perms(0444));
    excel::Workbook book = excel_.WorkBooks().open(path("template.xlsx"));
    try {
        book.saveas(path("kept.xlsx"));
        ADD_FAILURE() << "a write-protected file was replaced";
    } catch (const excel::AutomationError& e) {
        EXPECT_EQ(std::string(e.what()), "Excelファイル（kept.xlsx）を保存できません。「" + path("kept.xlsx") +
                                             "」は書き込みが禁止されています");
    }
    std::ifstream kept(path("kept.xlsx"));
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "old");
}

}  // namespace
