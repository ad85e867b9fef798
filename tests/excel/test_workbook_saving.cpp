// Where a saved workbook goes: through links to the file they name, keeping its permission bits,
// and a disk that cannot take it is told in the user's words.

#include "excel/automation_error.h"
#include "excel/chart_workbook.h"
#include "excel/workbook_engine.h"
#include "excel/workbook_file.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include <sys/mount.h>

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

TEST_F(WorkbookSaving, ALinkStaysALinkAndTheFileKeepsItsBits) {
    fs::create_directories(path("charts"));
    std::ofstream(path("charts/chart.xlsx")) << "old";
    fs::permissions(path("charts/chart.xlsx"), fs::perms(0640));
    fs::create_symlink("charts/chart.xlsx", path("chart.xlsx"));

    excel::Workbook book = excel_.WorkBooks().open(path("template.xlsx"));
    book.WorkSheets(1).Cells(1, 1) = "x";
    book.saveas(path("chart.xlsx"));

    EXPECT_TRUE(fs::is_symlink(path("chart.xlsx")));
    EXPECT_EQ(fs::status(path("charts/chart.xlsx")).permissions() & fs::perms::mask, fs::perms(0640));
    EXPECT_EQ(excel_.WorkBooks().open(path("charts/chart.xlsx")).WorkSheets(1).Cells(1, 1).value(),
              excel::Variant(std::string("x")));
}

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

TEST_F(WorkbookSaving, AFullDiskIsSaidToBeFull) {
    fs::create_directories(path("disk"));
    if (::mount("tmpfs", path("disk").c_str(), "tmpfs", 0, "size=64k") != 0) {
        GTEST_SKIP() << "cannot mount a file system here: " << std::strerror(errno);
    }
    std::ofstream(path("disk/filler")) << std::string(60 * 1024, 'f');
    excel::Workbook book = excel_.WorkBooks().open(path("template.xlsx"));
    std::string message;
    std::optional<platform::FileProblem> problem;
    try {
        book.saveas(path("disk/chart.xlsx"));
    } catch (const excel::AutomationError& e) {
        message = e.what();
        problem = e.fileProblem();
    }
    const auto entries = std::distance(fs::directory_iterator(path("disk")), {});
    ::umount(path("disk").c_str());

    EXPECT_EQ(message, "Excelファイル（chart.xlsx）を保存できません。ディスクに空きがありません");
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->error, ENOSPC);
    EXPECT_EQ(entries, 1);  // no part of the workbook is left behind
}

}  // namespace
