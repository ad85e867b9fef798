// `--pdf` with `--paper` and `--strands`: the printable pattern joins the other outputs, from a
// picture or a workbook, and bad values are refused before anything is written.

#include "cli_harness.h"

#include <QDate>
#include <QProcess>

#include <gtest/gtest.h>

#include <filesystem>

namespace cli_test {
namespace {

// What poppler's pdfinfo says of a file, "Pages" and "Page size" (with the paper's name) among the
// rest; empty when it cannot read the file as a PDF.
QString pdfInfo(const std::string& path) {
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {QString::fromStdString(path)});
    if (!info.waitForFinished() || info.exitCode() != 0) return {};
    return QString::fromUtf8(info.readAllStandardOutput());
}

QString pdfText(const std::string& path) {
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QString::fromStdString(path), QStringLiteral("-")});
    text.waitForFinished();
    return QString::fromUtf8(text.readAllStandardOutput());
}

int pages(const QString& info) {
    for (const QString& line : info.split('\n')) {
        if (line.startsWith(QStringLiteral("Pages:"))) return line.mid(6).trimmed().toInt();
    }
    return 0;
}

TEST(CliPdf, WritesThePatternAlongsideUnchangedOutputs) {
    Workspace ws;
    const std::string picture = ws.savePicture("p.png", blackOverWhite());
    const RunResult plain = ws.run({"chart", picture, "--codes", ws.path("plain.csv"), "--png", ws.path("plain.png"),
                                    "--xlsx", ws.path("chart.xlsx"), "--json"});
    ASSERT_EQ(plain.exitCode, 0) << plain.err;
    const RunResult withPdf = ws.run({"chart", picture, "--codes", ws.path("codes.csv"), "--png", ws.path("chart.png"),
                                      "--pdf", ws.path("a4.pdf"), "--json"});
    ASSERT_EQ(withPdf.exitCode, 0) << withPdf.err;
    EXPECT_EQ(withPdf.err, "");
    EXPECT_EQ(withPdf.out, plain.out);
    EXPECT_EQ(readFile(ws.path("codes.csv")), readFile(ws.path("plain.csv")));
    EXPECT_EQ(readFile(ws.path("chart.png")), readFile(ws.path("plain.png")));

    const QString a4 = pdfInfo(ws.path("a4.pdf"));
    EXPECT_GT(pages(a4), 0) << a4.toStdString();
    EXPECT_TRUE(a4.contains(QStringLiteral("(A4)"))) << a4.toStdString();
    EXPECT_TRUE(pdfText(ws.path("a4.pdf")).contains(QDate::currentDate().toString(Qt::ISODate)));

    // The pattern of a chart read back, on Letter and to standard output.
    const RunResult read = ws.run({"read", ws.path("chart.xlsx"), "--pdf", "-", "--paper", "Letter", "--strands", "6"});
    ASSERT_EQ(read.exitCode, 0) << read.err;
    const QString letter = pdfInfo(ws.writeFile("letter.pdf", read.out));
    EXPECT_GT(pages(letter), 0) << letter.toStdString();
    EXPECT_TRUE(letter.contains(QStringLiteral("(letter)"))) << letter.toStdString();
}

TEST(CliPdf, RefusesBadPaperAndStrandsWritingNothing) {
    Workspace ws;
    const std::string picture = ws.savePicture("p.png", blackOverWhite());
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--paper", "A3"}, "bad value for --paper: A3 (A4 or Letter)"},
        {{"--paper", "--strands", "2"}, "--paper needs a value"},
        {{"--strands", "0"}, "bad value for --strands: 0 (1 to 6)"},
        {{"--strands", "7"}, "bad value for --strands: 7"},
        {{"--strands", "two"}, "bad value for --strands: two"},
        {{"--codes", "-", "--pdf", "-"}, "--codes - and --pdf - cannot both write to standard output"},
    };
    for (const char* command : {"chart", "read"}) {
        for (const auto& [options, mention] : cases) {
            std::vector<std::string> arguments = {command, picture, "--pdf", ws.path("pattern.pdf"), "--key",
                                                  ws.path("key.csv")};
            arguments.insert(arguments.end(), options.begin(), options.end());
            expectRefused(ws.run(arguments), 2, mention, command + (" " + mention));
        }
    }
    EXPECT_EQ(ws.leftovers(), QStringList{"p.png"});
}

// A server may have the command line without the window's package, which brings the pattern program.
TEST(CliPdf, WithoutThePatternProgramThePdfIsRefusedAndNothingWritten) {
    Workspace ws;
    const std::string picture = ws.savePicture("p.png", blackOverWhite());
    const std::string alone = ws.path("alone/tessaly-cli");
    std::filesystem::create_directories(ws.path("alone"));
    std::filesystem::copy_file(TESSALY_CLI, alone);
    ws.useProgram(alone);
    expectRefused(ws.run({"chart", picture, "--pdf", ws.path("pattern.pdf"), "--codes", ws.path("codes.csv")}), 2,
                  "needs tessaly-pattern", "no pattern program");
    EXPECT_EQ(ws.leftovers(), (QStringList{"alone", "p.png"}));
}

}  // namespace
}  // namespace cli_test
