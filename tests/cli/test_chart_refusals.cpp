// Runs that must not make a chart: each ends with its exit code and one line naming the problem,
// and leaves no file behind.

#include "cli_harness.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cstring>

namespace cli_test {
namespace {

QImage blackAndWhite() {
    QImage image(30, 30, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 0; y < 15; ++y) {
        for (int x = 0; x < 30; ++x) image.setPixel(x, y, qRgb(0, 0, 0));
    }
    return image;
}

// Asks for every output, so that any file written by mistake shows up among the leftovers.
std::vector<std::string> withOutputs(const Workspace& ws, std::vector<std::string> arguments) {
    for (const char* option : {"--codes", "--key", "--png", "--icon"}) {
        arguments.push_back(option);
        arguments.push_back(ws.path(QString("out") + option));
    }
    arguments.push_back("--json");
    return arguments;
}

void expectRefused(const RunResult& run, int exitCode, const std::string& mention, const std::string& context) {
    EXPECT_EQ(run.exitCode, exitCode) << context << "\n" << run.err;
    EXPECT_EQ(run.out, "") << context;
    EXPECT_EQ(lines(run.err).size(), 1u) << context << "\n" << run.err;
    EXPECT_EQ(run.err.rfind("tessaly-cli: ", 0), 0u) << context << "\n" << run.err;
    EXPECT_NE(run.err.find(mention), std::string::npos) << context << "\n" << run.err;
}

TEST(CliRefusals, BadOptionsExitWithTwo) {
    Workspace ws;
    const std::string picture = ws.savePicture("p.png", blackAndWhite());
    struct Case {
        std::vector<std::string> arguments;
        std::string mention;
    };
    const std::vector<Case> cases = {
        {{"chart"}, "no picture"},
        {{"chart", picture, picture}, picture},
        {{"chart", picture, "--colours", "5"}, "--colours"},
        {{"chart", picture, "-x"}, "-x"},
        {{"chart", picture, "--max"}, "--max"},
        {{"chart", picture, "--codes", "--json"}, "--codes"},
        {{"chart", picture, "--max", "0"}, "--max"},
        {{"chart", picture, "--max", "46x"}, "--max"},
        {{"chart", picture, "--max", "57"}, "--max"},
        {{"chart", picture, "--max", "4294967297"}, "--max"},
        {{"chart", picture, "--system", "アイコン", "--max", "17"}, "--max"},
        {{"chart", picture, "--cells", "7x10"}, "--cells"},
        {{"chart", picture, "--cells", "10x201"}, "--cells"},
        {{"chart", picture, "--cells", "10*10"}, "--cells"},
        {{"chart", picture, "--cells", "10x"}, "--cells"},
        {{"chart", picture, "--cell-size", "0x3"}, "--cell-size"},
        {{"chart", picture, "--cell-size", "3x10001"}, "--cell-size"},
        {{"chart", picture, "--cube", "100"}, "--cube"},
        {{"chart", picture, "--smooth", "--no-smooth"}, "--smooth"},
        {{"chart", "--no-boundary", picture, "--boundary"}, "--boundary"},
        {{"chart", picture, "--system", "Nope"}, "Nope"},
        {{"chart", ws.path("line\nbreak.png")}, "line break.png"},
        // Legal each way, but the chart picture would be 80000 pixels square.
        {{"chart", picture, "--cell-size", "10000x10000"}, "--cell-size"},
    };
    for (const Case& c : cases) {
        std::string context;
        for (const std::string& a : c.arguments) context += a + " ";
        expectRefused(ws.run(withOutputs(ws, c.arguments)), 2, c.mention, context);
    }
    EXPECT_EQ(ws.leftovers(), QStringList{"p.png"});
}

TEST(CliRefusals, NoCommandPrintsUsage) {
    Workspace ws;
    for (const std::vector<std::string>& arguments : {std::vector<std::string>{}, {"draw", "p.png"}}) {
        const RunResult run = ws.run(arguments, false);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_NE(run.err.find("usage: tessaly-cli chart PICTURE"), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "");
    }
}

TEST(CliRefusals, UnusablePicturesExitWithTwo) {
    Workspace ws;
    QImage small(8, 8, QImage::Format_RGB32);
    small.fill(Qt::green);
    // Qt reads PPM, but charts are made from PNG, JPEG and BMP only.
    const std::string ppm = ws.savePicture("p.ppm", small, "PPM");
    const std::string text = ws.writeFile("notes.png", "not a picture");
    // A BMP header claiming 7000 x 7000 pixels, far more than a chart needs or memory should hold.
    std::string bmp = readFile(ws.savePicture("huge.bmp", small, "BMP"));
    const qint32 side = 7000;
    std::memcpy(bmp.data() + 18, &side, 4);
    std::memcpy(bmp.data() + 22, &side, 4);
    const std::string huge = ws.writeFile("huge.bmp", bmp);

    // A picture cut short in its pixel data; the PNG library has its own say about it on stderr.
    const std::string whole = readFile(ws.savePicture("cut.png", blackAndWhite()));
    const std::string cut = ws.writeFile("cut.png", whole.substr(0, whole.size() - 30));

    for (const std::string& picture : {ws.path("missing.png"), ppm, text, huge, cut}) {
        expectRefused(ws.run(withOutputs(ws, {"chart", picture})), 2, picture, picture);
    }
    EXPECT_EQ(ws.leftovers(), (QStringList{"cut.png", "huge.bmp", "notes.png", "p.ppm"}));
}

TEST(CliRefusals, BrokenConfigurationExitsWithTwo) {
    Workspace ws;
    const std::string picture = ws.savePicture("p.png", blackAndWhite());
    ws.writeFile("empty/readme.txt", "");
    ws.writeFile("tableless/Tessaly.ini", "[code]\nName0=X\n[X]\nFile=gone.txt\n");

    expectRefused(ws.run(withOutputs(ws, {"chart", picture, "--cfg", ws.path("empty")}), false), 2,
                  "Tessaly.iniなし", "no Tessaly.ini");
    expectRefused(ws.run(withOutputs(ws, {"chart", picture, "--cfg", ws.path("tableless")}), false), 2,
                  "カラーコードファイルなし", "no colour table");
    EXPECT_EQ(ws.leftovers(), (QStringList{"empty", "p.png", "tableless"}));
}

TEST(CliRefusals, FailedReductionExitsWithThreeAndKeepsOldFiles) {
    Workspace ws;
    const std::string picture = ws.savePicture("p.png", blackAndWhite());
    const std::string old = ws.writeFile("out--codes", "old codes\n");
    // Two colours can never merge into one: no cell is used often enough to take the other in.
    const RunResult run = ws.run(withOutputs(ws, {"chart", picture, "--max", "1"}));
    EXPECT_EQ(run.exitCode, 3) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "減色できませんでした\n");
    EXPECT_EQ(readFile(old), "old codes\n");
    EXPECT_EQ(ws.leftovers(), (QStringList{"out--codes", "p.png"}));
}

TEST(CliRefusals, AFileThatCannotBeWrittenLeavesNoOtherBehind) {
    Workspace ws;
    const std::string picture = ws.savePicture("p.png", blackAndWhite());
    const RunResult run = ws.run({"chart", picture, "--key", ws.path("key.csv"), "--codes", ws.path("no/such/codes.csv"),
                            "--png", ws.path("chart.png"), "--json"});
    expectRefused(run, 2, "no/such/codes.csv", "unwritable output");
    EXPECT_EQ(ws.leftovers(), QStringList{"p.png"});
}

}  // namespace
}  // namespace cli_test
