// `chart --xlsx` and `read`: a chart written to a workbook and read back by the command line gives
// the same codes, key and options; what is no chart workbook is refused.

#include "cli_harness.h"

#include <QImage>

#include <gtest/gtest.h>

#include <filesystem>

namespace cli_test {
namespace {

QImage stripes(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) image.setPixel(x, y, qRgb(x * 255 / width, y * 255 / height, (x * 5) % 256));
    }
    return image;
}

QJsonObject withoutPictureSize(QJsonObject json) {
    // The source picture of a chart read back is the chart itself, not the photograph.
    for (const char* key : {"width", "height", "reduced"}) json.remove(key);
    return json;
}

TEST(CliWorkbook, ReadGivesBackWhatChartWrote) {
    Workspace ws;
    const std::string picture = ws.savePicture("stripes.png", stripes(60, 45));
    for (const char* system : {"DMC(刺繍糸)", "アイコン"}) {
        const RunResult made = ws.run({"chart", picture, "--system", system, "--max", "10", "--smooth", "--no-boundary",
                                       "--cells", "20x15", "--xlsx", ws.path("chart.xlsx"), "--codes",
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

TEST(CliWorkbook, RefusesWhatIsNoChartWorkbook) {
    Workspace ws;
    const std::string broken = ws.writeFile("broken.xlsx", "not a workbook");
    expectRefused(ws.run({"read", broken}), 2, "選んだExcelファイル（broken.xlsx）は図案ファイルではありません。", "broken");
    // The template the build puts beside the program has every sheet but no chart.
    const std::string shippedTemplate = (std::filesystem::path(TESSALY_CLI).parent_path() / "cfg" / "Tessaly.xlsx").string();
    expectRefused(ws.run({"read", shippedTemplate}), 2,
                  "選んだExcelファイル（Tessaly.xlsx）は図案ファイルではありません。", "template");
    expectRefused(ws.run({"read", broken, "--max", "5"}), 2, "unknown option for read: --max", "option");
    expectRefused(ws.run({"read"}), 2, "no workbook given", "no workbook");
}

}  // namespace
}  // namespace cli_test
