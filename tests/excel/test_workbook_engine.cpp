// The workbook engine as the export and import use it: what each call leaves in the workbook, what a
// saved workbook gives back when it is opened again, and the errors it raises instead of guessing.

#include "excel/chart_workbook.h"
#include "excel/workbook_engine.h"
#include "excel/workbook_file.h"
#include "excel/workbook_layout.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

using excel::AutomationError;
using excel::Variant;

TEST(ColumnLetters, CountFromAThroughZThenTwoLetters) {
    const std::vector<std::pair<int, std::string>> cases{{0, "a"},   {1, "b"},   {25, "z"},  {26, "aa"},
                                                         {51, "az"}, {52, "ba"}, {199, "gr"}, {201, "gt"},
                                                         {675, "yz"}};
    for (const auto& [n, letters] : cases) EXPECT_EQ(excel::ColumnLetters(n), letters) << n;
}

TEST(VariantToIntDef, ReadsOnlyWholeNumbersThroughTheirText) {
    EXPECT_EQ(excel::VariantToIntDef(Variant(), 0), 0);
    EXPECT_EQ(excel::VariantToIntDef(Variant(), -1), -1);
    EXPECT_EQ(excel::VariantToIntDef(12.0, -1), 12);
    EXPECT_EQ(excel::VariantToIntDef(std::string("-7"), 0), -7);
    EXPECT_EQ(excel::VariantToIntDef(std::string("12a"), -1), -1);
    EXPECT_EQ(excel::VariantToIntDef(12.5, -1), -1);
    EXPECT_EQ(excel::VariantToIntDef(std::string(""), 3), 3);
    EXPECT_EQ(excel::VariantToIntDef(99999999999.0, 3), 3);
    EXPECT_EQ(excel::textForm(12.5), "12.5");
    EXPECT_EQ(excel::textForm(255.0), "255");
}

// Each test has a folder of its own, as tests run side by side.
class WorkbookEngine : public ::testing::Test {
protected:
    WorkbookEngine() {
        folder_ = std::filesystem::temp_directory_path() /
                  ("tessaly-engine-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        excel::writeTemplateWorkbook(path("template.xlsx"));
    }
    ~WorkbookEngine() override { std::filesystem::remove_all(folder_); }

    std::string path(const std::string& name) const { return (folder_ / name).string(); }

    // A chart workbook of 3 x 2 cells as the export leaves it before the macros run.
    excel::Workbook smallChart() {
        excel::Workbook book = excel_.WorkBooks().open(path("template.xlsx"));
        const int colours[3][2][3] = {{{10, 20, 30}, {40, 50, 60}}, {{1, 2, 3}, {4, 5, 6}}, {{0, 0, 0}, {255, 255, 255}}};
        for (int channel = 0; channel < 3; ++channel) {
            excel::SafeArray<int> upper(200, 200);
            excel::SafeArray<int> lower(200, 200);
            for (int y = 0; y < 2; ++y) {
                for (int x = 0; x < 3; ++x) {
                    upper(y, x) = colours[channel][y][x];
                    lower(y, x) = channel * 10 + y * 3 + x;
                }
            }
            const excel::Worksheet sheet = book.WorkSheets(excel::sheetNumber(excel::valueSheet(channel)));
            sheet.Range("a1", "c2").Value(upper);
            sheet.Range(sheet.Cells(4, 1), sheet.Cells(5, 3)).Value(lower);
        }
        return book;
    }

    std::filesystem::path folder_;
    excel::Application excel_;
};

TEST_F(WorkbookEngine, WritesTextsNumbersAndBlocksAsASpreadsheetKeepsThem) {
    excel::Workbook book = excel_.WorkBooks().open(path("template.xlsx"));
    const excel::Worksheet key = book.WorkSheets(3);
    EXPECT_EQ(key.Cells(1, 7).value(), Variant(std::string("DMC")));

    key.Cells(2, 1) = "'11";  // the apostrophe keeps digits a text and is no part of them
    key.Cells(2, 2) = 11;
    key.Cells(2, 3) = "";  // an empty text empties the cell
    key.Range("d2", "e3").Value(std::string("x"));
    EXPECT_EQ(key.Cells(2, 1).value(), Variant(std::string("11")));
    EXPECT_EQ(key.Cells(2, 2).value(), Variant(11.0));
    EXPECT_TRUE(excel::isEmpty(key.Cells(2, 3).value()));
    EXPECT_EQ(key.Cells(3, 5).value(), Variant(std::string("x")));

    // A block larger than its range fills it from its first element; a smaller one is refused.
    excel::SafeArray<std::string> codes(200, 200);
    codes(0, 0) = "B5200";
    codes(1, 1) = "0310";
    key.Range(key.Cells(10, 2), key.Cells(11, 3)).Value(codes);
    EXPECT_EQ(key.Cells(10, 2).value(), Variant(std::string("B5200")));
    EXPECT_EQ(key.Cells(11, 3).value(), Variant(std::string("0310")));
    EXPECT_THROW(key.Range("a1", "c3").Value(excel::SafeArray<int>(2, 3)), AutomationError);

    // Codes stay texts and the sheet names stay the template's through a save and an opening.
    book.saveas(path("saved.xlsx"));
    const excel::Workbook again = excel_.WorkBooks().open(path("saved.xlsx"));
    EXPECT_EQ(again.WorkSheets(3).Cells(11, 3).value(), Variant(std::string("0310")));
    EXPECT_EQ(again.WorkSheets(3).Cells(2, 2).value(), Variant(11.0));
    const excel::WorkbookContent content = excel::readWorkbookFile(path("saved.xlsx"));
    ASSERT_EQ(content.sheets.size(), 6u);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(content.sheets[i].name(), excel::kSheetNames[i]);
}

TEST_F(WorkbookEngine, LinesBetweenCellsAreOneLineWhicheverSideDrawsThem) {
    excel::Workbook book = excel_.WorkBooks().open(path("template.xlsx"));
    const excel::Worksheet sheet = book.WorkSheets(2);
    // The symbol chart's hairline grid, then a thin line after column a and under row 2 over it.
    sheet.Range("b2", "d4").Borders().Weight(excel::kHairline);
    sheet.Range("a1", "a5").Borders(excel::kRightEdge).Weight(excel::kThin);
    sheet.Range("a2", "e2").Borders(excel::kBottomEdge).Weight(excel::kThin);
    EXPECT_THROW(sheet.Range("b2", "b2").Borders(excel::kTopEdge).Weight(3), AutomationError);
    EXPECT_THROW(sheet.Range("b2", "b2").Borders(9), AutomationError);
    // Lines are read back as far as values reach, as they do on a chart's sheets.
    sheet.Cells(4, 4) = "x";
    book.saveas(path("lines.xlsx"));

    const excel::WorkbookContent saved = excel::readWorkbookFile(path("lines.xlsx"));
    const excel::SheetContent& lines = saved.sheets[1];
    const auto right = [&](int row, int column) { return lines.find(row, column)->right; };
    const auto bottom = [&](int row, int column) { return lines.find(row, column)->bottom; };
    using excel::LineWeight;
    // The left edge of b2 is a2's right edge: drawn thin after the hairline, it stays thin.
    EXPECT_EQ(right(2, 1), LineWeight::Thin);
    EXPECT_EQ(right(3, 2), LineWeight::Hairline);
    EXPECT_EQ(right(4, 4), LineWeight::Hairline);
    // The top edge of b2 is b1's bottom edge.
    EXPECT_EQ(bottom(1, 2), LineWeight::Hairline);
    EXPECT_EQ(bottom(2, 3), LineWeight::Thin);
    EXPECT_EQ(bottom(3, 3), LineWeight::Hairline);
    EXPECT_EQ(bottom(2, 5), LineWeight::Thin);
    EXPECT_EQ(right(5, 1), LineWeight::Thin);
    EXPECT_EQ(lines.find(5, 2), nullptr);
}

TEST_F(WorkbookEngine, Draw01ColoursTheChartFromTheValueSheets) {
    excel::Workbook book = smallChart();
    excel_.run("draw01");
    book.saveas(path("coloured.xlsx"));
    const excel::WorkbookContent content = excel::readWorkbookFile(path("coloured.xlsx"));
    const excel::SheetContent& chart = content.sheets[0];
    ASSERT_NE(chart.find(2, 2), nullptr);
    EXPECT_EQ(chart.find(2, 2)->fill, (platform::Rgb{10, 1, 0}));
    EXPECT_EQ(chart.find(3, 4)->fill, (platform::Rgb{60, 6, 255}));
    const excel::CellData* outside = chart.find(4, 2);
    EXPECT_TRUE(!outside || !outside->fill);
}

TEST_F(WorkbookEngine, Read01JoinsEachLevelRowIntoOneText) {
    excel::Workbook book = smallChart();
    excel_.run("read01");
    const excel::Worksheet red = book.WorkSheets(4);
    const excel::Worksheet blue = book.WorkSheets(6);
    EXPECT_EQ(red.Cells(1, 1).value(), Variant(10.0));  // the upper block stays numbers
    EXPECT_TRUE(excel::isEmpty(red.Cells(3, 1).value()));
    EXPECT_EQ(red.Cells(4, 1).value(), Variant(std::string("0,1,2,")));
    EXPECT_EQ(red.Cells(5, 1).value(), Variant(std::string("3,4,5,")));
    EXPECT_EQ(blue.Cells(5, 1).value(), Variant(std::string("23,24,25,")));
    EXPECT_TRUE(excel::isEmpty(red.Cells(6, 1).value()));
}

TEST_F(WorkbookEngine, SavesOnlyWhatChangedAndNeverAClosedWorkbook) {
    excel::Workbook book = excel_.WorkBooks().open(path("template.xlsx"));
    book.saveas(path("kept.xlsx"));
    std::filesystem::last_write_time(path("kept.xlsx"), std::filesystem::file_time_type{});
    book.save();  // unchanged since it was saved
    EXPECT_EQ(std::filesystem::last_write_time(path("kept.xlsx")), std::filesystem::file_time_type{});
    book.WorkSheets(1).Cells(1, 1) = "x";
    book.save();
    EXPECT_NE(std::filesystem::last_write_time(path("kept.xlsx")), std::filesystem::file_time_type{});

    book.WorkSheets(1).Cells(1, 1) = "y";
    book.close(0);
    EXPECT_EQ(excel_.WorkBooks().open(path("kept.xlsx")).WorkSheets(1).Cells(1, 1).value(), Variant(std::string("x")));
    EXPECT_THROW(book.WorkSheets(1), AutomationError);
}

TEST_F(WorkbookEngine, RaisesWhatItCannotDo) {
    const auto raises = [](const auto& call, const std::string& words) {
        try {
            call();
            ADD_FAILURE() << "no error; expected " << words;
        } catch (const AutomationError& e) {
            EXPECT_NE(std::string(e.what()).find(words), std::string::npos) << e.what();
        }
    };
    raises([&] { excel_.run("draw01"); }, "開かれていません");
    std::ofstream(path("broken.xlsx")) << "PK\x03\x04 not really a zip";
    raises([&] { excel_.WorkBooks().open(path("broken.xlsx")); }, "Excelファイル（broken.xlsx）を開けません。");
    raises([&] { excel_.WorkBooks().open(path("absent.xlsx")); }, "Excelファイル（absent.xlsx）を開けません。");
    raises([&] { excel_.WorkBooks().open(folder_.string()); }, "を開けません。");

    excel::Workbook book = excel_.WorkBooks().open(path("template.xlsx"));
    raises([&] { excel_.run("Tessaly_m.xls!draw01"); }, "マクロ「Tessaly_m.xls!draw01」がありません");
    raises([&] { book.WorkSheets(7); }, "シート7がありません");
    raises([&] { book.WorkSheets(1).Range("b", "2b"); }, "番地「b」");
    raises([&] { book.WorkSheets(1).Cells(0, 1); }, "シートの外");
    // A failed save leaves what was there, and no half-written file beside it.
    std::filesystem::create_directories(path("taken.xlsx"));
    raises([&] { book.saveas(path("taken.xlsx")); }, "Excelファイル（taken.xlsx）を保存できません。");
    EXPECT_TRUE(std::filesystem::is_directory(path("taken.xlsx")));
    raises([&] { book.saveas(path("no-such-folder/chart.xlsx")); }, "を保存できません。");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_), {}), 3);  // template, broken, taken
}

}  // namespace
