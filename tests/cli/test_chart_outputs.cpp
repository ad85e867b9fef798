// Charts that succeed: the files and the summary they produce, and how the options shape them.

#include "cli_harness.h"

#include <QColor>
#include <QImage>
#include <QJsonArray>

#include <gtest/gtest.h>

namespace cli_test {
namespace {

QImage flat(int width, int height, QColor colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// Black top left, red bottom left, white on the right: exact thread colours, so nothing is blended.
QImage blackRedWhite(int side) {
    QImage image = flat(side, side, Qt::white);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side / 2; ++x) image.setPixel(x, y, y < side / 2 ? qRgb(0, 0, 0) : qRgb(255, 0, 0));
    }
    return image;
}

TEST(CliChart, WritesEveryOutputInTheChartsOrientation) {
    Workspace ws;
    const std::string picture = ws.savePicture("quarters.png", blackRedWhite(48));
    const RunResult run = ws.run({"chart", picture, "--codes", ws.path("codes.csv"), "--key", ws.path("key.csv"), "--png",
                            ws.path("chart.png"), "--icon", ws.path("icon.png"), "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");

    // 48 pixels at 3 per cell: 16 x 16 cells, the colours changing at cell 8.
    const std::vector<std::string> codes = lines(readFile(ws.path("codes.csv")));
    ASSERT_EQ(codes.size(), 16u);
    for (std::size_t row = 0; row < codes.size(); ++row) {
        const std::vector<std::string> cells = fields(codes[row]);
        ASSERT_EQ(cells.size(), 16u);
        EXPECT_EQ(cells[0], row < 8 ? "310" : "606");
        EXPECT_EQ(cells[7], row < 8 ? "310" : "606");
        EXPECT_EQ(cells[8], "BLANC");
        EXPECT_EQ(cells[15], "BLANC");
    }

    // Rows in the order their cube cells are first met; white carries no symbol but uses one up.
    EXPECT_EQ(readFile(ws.path("key.csv")),
              "symbol,code,name,count,R,G,B\n"
              "Ｘ,310,Black,64,0,0,0\n"
              "☆,606,Bright Orange-Red,64,255,0,0\n"
              " ,BLANC,White,128,255,255,255\n");

    const QImage chart(QString::fromStdString(ws.path("chart.png")));
    ASSERT_EQ(chart.size(), QSize(48, 48));
    EXPECT_EQ(chart.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(chart.pixel(23, 24), qRgb(255, 0, 0));
    EXPECT_EQ(chart.pixel(24, 47), qRgb(255, 255, 255));

    const QImage icon(QString::fromStdString(ws.path("icon.png")));
    ASSERT_EQ(icon.size(), QSize(16, 16));
    EXPECT_EQ(icon.pixel(7, 8), qRgb(255, 0, 0));
    EXPECT_EQ(icon.pixel(8, 0), qRgb(255, 255, 255));

    ASSERT_EQ(lines(run.out).size(), 1u);
    const QJsonObject json = parseJson(run.out);
    EXPECT_EQ(json["columns"].toInt(), 16);
    EXPECT_EQ(json["rows"].toInt(), 16);
    EXPECT_EQ(json["colours"].toInt(), 3);
    EXPECT_EQ(json["reduced"].toBool(true), false);
    EXPECT_EQ(json["system"].toString(), "DMC(刺繍糸)");
    EXPECT_EQ(json["max"].toInt(), 45);  // the system's own settings; how options change them is below
    EXPECT_EQ(json["cube"].toString(), "512");
    EXPECT_EQ(json["width"].toInt(), 48);
    EXPECT_EQ(ws.leftovers(), (QStringList{"chart.png", "codes.csv", "icon.png", "key.csv", "quarters.png"}));
}

TEST(CliChart, ReducesToTheMaximumAndTheKeyAccountsForEveryCell) {
    Workspace ws;
    const std::string picture = ws.savePicture("gradient.png", gradient(90, 60));
    const RunResult run = ws.run({"chart", picture, "--max", "30", "--key", ws.path("key.csv"), "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const QJsonObject json = parseJson(run.out);
    EXPECT_TRUE(json["reduced"].toBool());
    EXPECT_LE(json["colours"].toInt(), 30);

    const std::vector<std::string> key = lines(readFile(ws.path("key.csv")));
    ASSERT_EQ(key.size(), static_cast<std::size_t>(json["colours"].toInt()) + 1);
    int cells = 0;
    for (std::size_t i = 1; i < key.size(); ++i) cells += std::stoi(fields(key[i])[3]);
    EXPECT_EQ(cells, 30 * 20);
}

// The sizing rule itself is tested in tests/view/test_picture_area.cpp.
TEST(CliChart, SizesThePictureAsAPasteWould) {
    Workspace ws;
    const std::string picture = ws.savePicture("p.png", flat(640, 480, QColor(90, 140, 200)));
    const RunResult run = ws.run({"chart", picture, "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const QJsonObject json = parseJson(run.out);
    EXPECT_EQ(std::make_pair(json["columns"].toInt(), json["rows"].toInt()), std::make_pair(200, 150));
}

TEST(CliChart, CellsAndCellSizeFixTheChartsShape) {
    Workspace ws;
    const std::string picture = ws.savePicture("g.png", gradient(50, 70));
    const RunResult run = ws.run({"chart", "--cell-size", "2x5", "--cells", "10X12", picture, "--png", ws.path("c.png"),
                            "--icon", ws.path("i.png"), "--codes", ws.path("c.csv"), "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const QJsonObject json = parseJson(run.out);
    EXPECT_EQ(json["columns"].toInt(), 10);
    EXPECT_EQ(json["rows"].toInt(), 12);
    EXPECT_EQ(json["cell_width"].toInt(), 2);
    EXPECT_EQ(json["cell_height"].toInt(), 5);
    EXPECT_EQ(QImage(QString::fromStdString(ws.path("c.png"))).size(), QSize(20, 60));
    EXPECT_EQ(QImage(QString::fromStdString(ws.path("i.png"))).size(), QSize(10, 12));
    const std::vector<std::string> codes = lines(readFile(ws.path("c.csv")));
    ASSERT_EQ(codes.size(), 12u);
    EXPECT_EQ(fields(codes[11]).size(), 10u);
}

TEST(CliChart, OptionsOverrideTheSystemsSettingsAndTheLastValueWins) {
    Workspace ws;
    const std::string picture = ws.savePicture("g.png", gradient(40, 40));

    RunResult run = ws.run({"chart", picture, "--system", "アイコン", "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    QJsonObject json = parseJson(run.out);
    EXPECT_EQ(json["system"].toString(), "アイコン");
    EXPECT_EQ(json["max"].toInt(), 16);
    EXPECT_TRUE(json["smooth"].toBool());
    EXPECT_TRUE(json["boundary"].toBool());

    run = ws.run({"chart", "--system", "アイコン", "--no-smooth", "--no-boundary", "--max", "5", "--max", "7",
                  "--cube", "27", "--cube", "64", picture, "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    json = parseJson(run.out);
    EXPECT_FALSE(json["smooth"].toBool(true));
    EXPECT_FALSE(json["boundary"].toBool(true));
    EXPECT_EQ(json["max"].toInt(), 7);
    EXPECT_LE(json["colours"].toInt(), 7);
    EXPECT_EQ(json["cube"].toString(), "64");
    EXPECT_EQ(json["levels"].toArray(), (QJsonArray{4, 4, 4}));
    EXPECT_FALSE(json.contains("appearance"));

    // Threads chosen for the look keep to the maximum; a cube of 8 cells grows to hold them all.
    run = ws.run({"chart", picture, "--max", "12", "--cube", "8", "--appearance", "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    json = parseJson(run.out);
    EXPECT_TRUE(json["appearance"].toBool());
    EXPECT_EQ(json["colours"].toInt(), 12);
    EXPECT_EQ(json["levels"].toArray(), (QJsonArray{3, 3, 3}));
}

TEST(CliChart, FindsTheCfgFolderBesideTheProgram) {
    Workspace ws;
    const RunResult run = ws.run({"chart", ws.savePicture("g.png", gradient(30, 30)), "--json"}, false);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(parseJson(run.out)["system"].toString(), "DMC(刺繍糸)");
}

TEST(CliChart, QuotesCsvFieldsAndEscapesJson) {
    Workspace ws;
    ws.writeFile("tiny/Tessaly.ini", "[code]\nName0=Q\"uote\n\n[Q\"uote]\nFile=tiny.txt\nC_max=10\n");
    ws.writeFile("tiny/tiny.txt", "W,1\tSnow, \"pure\" white\t255\t255\t255\t765\t\nK1\tBlack\t0\t0\t0\t0\t\n");
    QImage picture = flat(24, 24, Qt::white);
    for (int y = 0; y < 24; ++y) {
        for (int x = 0; x < 12; ++x) picture.setPixel(x, y, qRgb(0, 0, 0));
    }
    const RunResult run = ws.run({"chart", ws.savePicture("halves.png", picture), "--cfg", ws.path("tiny"), "--codes",
                            ws.path("codes.csv"), "--key", ws.path("key.csv"), "--json"},
                           false);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(lines(readFile(ws.path("codes.csv")))[0], "K1,K1,K1,K1,\"W,1\",\"W,1\",\"W,1\",\"W,1\"");
    EXPECT_EQ(readFile(ws.path("key.csv")),
              "symbol,code,name,count,R,G,B\n"
              "Ｘ,K1,Black,32,0,0,0\n"
              " ,\"W,1\",\"Snow, \"\"pure\"\" white\",32,255,255,255\n");
    EXPECT_EQ(parseJson(run.out)["system"].toString(), "Q\"uote");
}

}  // namespace
}  // namespace cli_test
