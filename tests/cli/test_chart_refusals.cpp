// Runs that must not make a chart: an exit code, one line naming the problem, no file left behind.

#include "cli_harness.h"

#include <QImage>

#include <gtest/gtest.h>

#include <utility>

#include <sys/stat.h>

namespace cli_test {
namespace {

// Asks for every output, so that any file written by mistake shows up among the leftovers.
std::vector<std::string> withOutputs(const Workspace& ws, std::vector<std::string> arguments) {
    for (const char* option : {"--codes", "--key", "--png", "--icon"}) {
        arguments.push_back(option);
        arguments.push_back(ws.path(QString("out") + option));
    }
    arguments.push_back("--json");
    return arguments;
}

TEST(CliRefusals, BadOptionsExitWithTwo) {
    Workspace ws;
    const std::string picture = ws.savePicture("p.png", blackOverWhite());
    struct Case {
        std::vector<std::string> arguments;
        std::string mention;
    };
    const std::vector<Case> cases = {
        {{"chart"}, "no picture"},
        {{"chart", picture, picture}, picture},
        {{"chart", picture, "--colours", "5"}, "--colours"},
        {{"chart", picture, "--max"}, "--max"},
        {{"chart", picture, "--codes", "--json"}, "--codes"},
        {{"chart", picture, "--max", "0"}, "--max"},
        {{"chart", picture, "--max", "4294967297"}, "--max"},
        {{"chart", picture, "--system", "アイコン", "--max", "17"}, "--max"},
        {{"chart", picture, "--cells", "7x10"}, "--cells"},
        {{"chart", picture, "--cells", "10*10"}, "--cells"},
        {{"chart", picture, "--cell-size", "3x10001"}, "--cell-size"},
        {{"chart", picture, "--cube", "100"}, "--cube"},
        {{"chart", picture, "--smooth", "--no-smooth"}, "--smooth"},
        {{"chart", "--no-boundary", picture, "--boundary"}, "--boundary"},
        {{"chart", picture, "--appearance", "--no-appearance"}, "--appearance"},
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

TEST(CliRefusals, AMissingOrUnknownCommandIsNamedOnOneLine) {
    Workspace ws;
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{}, "no command given"},
        {{"draw", "p.png"}, "unknown command: draw"},
        {{"--max", "5", "chart", "p.png"}, "--max"},
    };
    for (const auto& [arguments, mention] : cases) {
        const RunResult run = ws.run(arguments, false);
        expectRefused(run, 2, mention, mention);
        EXPECT_NE(run.err.find("--help"), std::string::npos) << run.err;
    }
}

TEST(CliRefusals, HelpPrintsTheUsageOnStandardOutput) {
    Workspace ws;
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"--help"}, {"-h"}, {"chart", "--help"}, {"chart", "p.png", "--max", "0", "-h"}}) {
        const RunResult run = ws.run(arguments, false);
        EXPECT_EQ(run.exitCode, 0) << arguments.back();
        EXPECT_EQ(run.out.rfind("usage: tessaly-cli chart PICTURE", 0), 0u) << run.out;
        EXPECT_EQ(run.err, "");
    }
}

TEST(CliRefusals, UnusablePicturesExitWithTwo) {
    Workspace ws;
    QImage small(8, 8, QImage::Format_RGB32);
    small.fill(Qt::green);
    // Qt reads PPM, but charts are made from PNG, JPEG and BMP only.
    const std::string ppm = ws.savePicture("p.ppm", small, "PPM");
    const std::string text = ws.writeFile("notes.png", "not a picture");
    // Damaged and oversized pictures are met in test_picture_input.cpp.
    for (const std::string& picture : {ws.path("missing.png"), ppm, text}) {
        expectRefused(ws.run(withOutputs(ws, {"chart", picture})), 2, picture, picture);
    }
    EXPECT_EQ(ws.leftovers(), (QStringList{"notes.png", "p.ppm"}));
}

TEST(CliRefusals, BrokenConfigurationIsNamedForWhatItIs) {
    Workspace ws;
    const std::string picture = ws.savePicture("p.png", blackOverWhite());
    ws.writeFile("empty/readme.txt", "");
    ws.writeFile("unreadable/Tessaly.ini/readme.txt", "");
    ws.writeFile("tableless/Tessaly.ini", "[code]\nName0=X\n[X]\nFile=gone.txt\n");
    ws.writeFile("unnamed/Tessaly.ini", "[code]\nName0=X\n");
    // Not waited on; devices and tables in such places are met in tests/palette/test_code_system.cpp.
    ws.writeFile("fifo/readme.txt", "");
    EXPECT_EQ(::mkfifo(ws.path("fifo/Tessaly.ini").c_str(), 0600), 0);
    const std::pair<const char*, std::string> cases[] = {
        {"empty", "Tessaly.iniなし (" + ws.path("empty") + ")"},
        {"unreadable", "cannot read Tessaly.ini: Is a directory"},
        {"fifo", "cannot read Tessaly.ini: not a regular file (" + ws.path("fifo") + ")"},
        {"tableless", "カラーコードファイルなし (" + ws.path("tableless") + "/gone.txt)"},
        {"unnamed", "カラーコードファイルなし (Tessaly.ini names no colour table file for X)"},
    };
    for (const auto& [folder, mention] : cases) {
        expectRefused(ws.run(withOutputs(ws, {"chart", picture, "--cfg", ws.path(folder)}), false), 2, mention, folder);
    }
    EXPECT_EQ(ws.leftovers(),
              (QStringList{"empty", "fifo", "p.png", "tableless", "unnamed", "unreadable"}));
}

TEST(CliRefusals, FailedReductionExitsWithThreeAndKeepsOldFiles) {
    Workspace ws;
    const std::string picture = ws.savePicture("p.png", blackOverWhite());
    const std::string old = ws.writeFile("out--codes", "old codes\n");
    // Two colours can never merge into one: no cell is used often enough to take the other in.
    const RunResult run = ws.run(withOutputs(ws, {"chart", picture, "--max", "1"}));
    EXPECT_EQ(run.exitCode, 3) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "減色できませんでした\n");
    EXPECT_EQ(readFile(old), "old codes\n");
    EXPECT_EQ(ws.leftovers(), (QStringList{"out--codes", "p.png"}));
}

}  // namespace
}  // namespace cli_test
