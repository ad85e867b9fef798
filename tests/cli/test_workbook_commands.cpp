// `chart --xlsx` and `read`: a chart written to a workbook and read back by the command line gives
// the same codes, key and options; what is no chart workbook is refused.

#include "cli_harness.h"
#include "excel/test_workbooks.h"
#include "excel/workbook_layout.h"

#include <gtest/gtest.h>

namespace cli_test {
namespace {

QJsonObject withoutPictureSize(QJsonObject json) {
    // The source picture of a chart read back is the chart itself, not the photograph.
    for (const char* key : {"width", "height", "reduced"}) json.remove(key);
    return json;
}

TEST(CliWorkbook, ReadGivesBackWhatChartWrote) {
    Workspace ws;
    const std::string picture = ws.savePicture("stripes.png", gradient(60, 45));
    for (const char* system : {"DMC(刺繍糸)", "アイコン"}) {
        const RunResult made = ws.run({"chart", picture, "--system", system, "--max", "10", "--smooth", "--no-boundary",
                                       "--cube", "125", "--cells", "20x15", "--xlsx", ws.path("chart.xlsx"), "--codes",
                                       ws.path("made.csv"), "--key", ws.path("made-key.csv"), "--json"});
        ASSERT_EQ(made.exitCode, 0) << made.err;
        const RunResult read = ws.run({"read", ws.path("chart.xlsx"), "--codes", ws.path("read.csv"), "--key",
                                       ws.path("read-key.csv"), "--json"});
        ASSERT_EQ(read.exitCode, 0) << read.err;
        EXPECT_EQ(read.err, "");
        EXPECT_EQ(readFile(ws.path("read.csv")), readFile(ws.path("made.csv"))) << system;
        EXPECT_EQ(readFile(ws.path("read-key.csv")), readFile(ws.path("made-key.csv"))) << system;
        EXPECT_EQ(withoutPictureSize(parseJson(read.out)), withoutPictureSize(parseJson(made.out))) << system;
    }
}

// The window's parameter block: the panel with its 8-pixel frame and the settings' default fabric.
TEST(CliWorkbook, WritesTheParametersTheWindowWrites) {
    Workspace ws;
    const std::string picture = ws.savePicture("stripes.png", gradient(60, 45));
    const RunResult made = ws.run({"chart", picture, "--cells", "30x20", "--xlsx", ws.path("chart.xlsx")});
    ASSERT_EQ(made.exitCode, 0) << made.err;
    const WorkbookCells book(ws.path("chart.xlsx"));
    const auto parameter = [&book](excel::Parameter p) {
        return std::get<double>(book.value(excel::Sheet::Key, excel::parameterRow(p), excel::kParameterValueColumn));
    };
    EXPECT_EQ(parameter(excel::Parameter::PanelWidth), 98);
    EXPECT_EQ(parameter(excel::Parameter::PanelHeight), 68);
    EXPECT_EQ(parameter(excel::Parameter::ImageWidth), 90);
    EXPECT_EQ(parameter(excel::Parameter::CountSize), 91);
    EXPECT_EQ(std::get<std::string>(book.value(excel::Sheet::Key, excel::kFabricUnitRow, excel::kTextColumn)), "mm");
    EXPECT_EQ(std::get<std::string>(book.value(excel::Sheet::Key, excel::kDescriptionRow, excel::kTextColumn)),
              " (ｷｬﾝﾊﾞｽ)1センチ11目(#0.91mm) ＜横:2.7cm (30) × 縦:1.8cm (20)＞ (色種)DMC刺繍糸");
}

TEST(CliWorkbook, RefusesWhatIsNoChartWorkbook) {
    Workspace ws;
    const std::string broken = ws.writeFile("broken.xlsx", "not a workbook");
    expectRefused(ws.run({"read", broken}), 2, "選んだExcelファイル（broken.xlsx）は図案ファイルではありません。", "broken");
    // A workbook of a chart's sheets without the chart marker.
    writePlainWorkbook(chartSheets(), ws.path("plain.xlsx"));
    expectRefused(ws.run({"read", ws.path("plain.xlsx")}), 2,
                  "選んだExcelファイル（plain.xlsx）は図案ファイルではありません。", "no marker");
    expectRefused(ws.run({"read", broken, "--max", "5"}), 2, "unknown option for read: --max", "option");
    expectRefused(ws.run({"read"}), 2, "no workbook given", "no workbook");
}

}  // namespace
}  // namespace cli_test
