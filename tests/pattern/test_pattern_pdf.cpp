// The pattern as a reader's program sees it: its pages counted by pdfinfo, its key and symbols read
// back as text by pdftotext, and its fonts and pictures listed by pdffonts and pdfimages.

#include "pattern_files.h"

#include "chart/code_painting.h"
#include "chart/colour_count.h"
#include "pattern/pattern_pdf.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <sstream>

namespace {

using pattern_test::chartDocument;
using pattern_test::PdfFile;

constexpr double kCellPoints = 2.8 / 25.4 * 72;

// The rows of the chart's list the pattern's key lists: white, which carries no symbol, is not one.
std::vector<const chart::ColourListRow*> listedRows(const document::ChartDocument& document) {
    std::vector<const chart::ColourListRow*> rows;
    const chart::ColourList& list = document.model().colourList;
    for (int i = 0; i < list.coloursInUse; ++i) {
        const chart::ColourListRow& row = list.rows[static_cast<std::size_t>(i)];
        if (!row.code.empty() && row.symbol != " ") rows.push_back(&row);
    }
    return rows;
}

std::map<std::string, std::string> symbolsOfCodes(const document::ChartDocument& document) {
    std::map<std::string, std::string> symbols;
    for (const chart::ColourListRow* row : listedRows(document)) symbols[row->code] = row->symbol;
    return symbols;
}

// The words of the page that are chart symbols.
std::vector<pattern_test::Word> symbolWords(const std::vector<pattern_test::Word>& words,
                                            const std::map<std::string, std::string>& symbolOfCode) {
    std::set<std::string> symbols;
    for (const auto& [code, symbol] : symbolOfCode) symbols.insert(symbol);
    std::vector<pattern_test::Word> found;
    for (const pattern_test::Word& word : words) {
        if (symbols.count(word.text)) found.push_back(word);
    }
    return found;
}

pattern::PatternPdf makePattern(const document::ChartDocument& document, pattern::Paper paper) {
    pattern::PatternPdf pdf = pattern::patternPdf(pattern::patternContent(document), {paper, 2, "2026-12-07"});
    EXPECT_EQ(pdf.message, "");
    return pdf;
}

// Cover, key, the page map when the chart takes more than one page, then the symbol and colour
// pages: 60 x 90 cells to an A4 page and 60 x 80 to a Letter page, either way up.
TEST(PatternPdf, ChartsTakeAsFewPagesAsTheirBlocksOfTenAllow) {
    struct Case {
        int columns;
        int rows;
        pattern::Paper paper;
        int pages;
    };
    const Case cases[] = {
        {8, 8, pattern::Paper::A4, 4},      {8, 8, pattern::Paper::Letter, 4},
        {120, 90, pattern::Paper::A4, 7},   {120, 90, pattern::Paper::Letter, 11},
        {200, 200, pattern::Paper::A4, 27}, {200, 200, pattern::Paper::Letter, 27},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.columns) + " x " + std::to_string(c.rows));
        const auto document = chartDocument(pattern_test::bands(c.columns, c.rows), c.columns, c.rows, 12);
        EXPECT_EQ(PdfFile(makePattern(*document, c.paper).bytes).pageCount(), c.pages);
    }
}

// White cells are cloth left bare: the key does not list white, and its cells stay empty.
TEST(PatternPdf, WhiteCellsStayEmptyAndUnlisted) {
    const auto document = chartDocument(pattern_test::bands(8, 8), 8, 8, 12);
    const std::map<std::string, std::string> symbolOfCode = symbolsOfCodes(*document);
    ASSERT_EQ(symbolOfCode.size(), 3u);
    const PdfFile pdf(makePattern(*document, pattern::Paper::A4).bytes);
    EXPECT_EQ(pdf.run("pdftotext").find("BLANC"), std::string::npos);
    EXPECT_EQ(symbolWords(pattern_test::pageWords(pdf, 3), symbolOfCode).size(), 48u);
}

TEST(PatternPdf, WithoutAChartThereIsNoPattern) {
    document::ChartDocument document(TESSALY_SOURCE_CFG);
    ASSERT_TRUE(document.start({}).loaded());
    const pattern::PatternPdf pdf = pattern::patternPdf(pattern::patternContent(document), {});
    EXPECT_EQ(pdf.bytes, "");
    EXPECT_EQ(pdf.message, "図案画像がありません");
}

class LargestPattern : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        document = chartDocument(pattern_test::garden(), 200, 200, 56).release();
        pdf = new PdfFile(makePattern(*document, pattern::Paper::A4).bytes);
    }
    static void TearDownTestSuite() {
        delete pdf;
        delete document;
    }

    static inline document::ChartDocument* document = nullptr;
    static inline PdfFile* pdf = nullptr;
};

TEST_F(LargestPattern, EveryKeyCodeAndNameIsText) {
    ASSERT_GT(listedRows(*document).size(), 50u);
    const std::string text = pdf->run("pdftotext");
    for (const chart::ColourListRow* row : listedRows(*document)) {
        EXPECT_NE(text.find(row->code), std::string::npos) << row->code;
        EXPECT_NE(text.find(row->name), std::string::npos) << row->name;
    }
}

// Every text is in an embedded font; the cover's preview is the one picture.
TEST_F(LargestPattern, TextIsInEmbeddedFontsAndOnlyTheCoverIsAPicture) {
    std::istringstream fonts(pdf->run("pdffonts"));
    std::string line;
    int listed = 0;
    for (int skip = 0; skip < 2 && std::getline(fonts, line); ++skip) {}
    while (std::getline(fonts, line)) {
        ++listed;
        EXPECT_NE(line.find(" yes "), std::string::npos) << line;
    }
    EXPECT_GT(listed, 0);

    std::istringstream images(pdf->run("pdfimages", "-list"));
    std::vector<int> pictures;
    for (int skip = 0; skip < 2 && std::getline(images, line); ++skip) {}
    while (std::getline(images, line)) pictures.push_back(std::stoi(line));
    EXPECT_EQ(pictures, std::vector<int>{1});
}

// Each symbol of the first symbol page sits in its own cell, 2.8 mm from its neighbours, and is the
// one the key gives the code of that cell: the page's 60 x 90 cells and the two columns and rows the
// next pages repeat.
TEST_F(LargestPattern, TheFirstSymbolPageShowsEachCellsSymbolInItsPlace) {
    int page = 2;
    std::vector<pattern_test::Word> words;
    for (; page < 8; ++page) {
        words = pattern_test::pageWords(*pdf, page);
        if (!words.empty() && words.front().text == "記号図") break;
    }
    ASSERT_LT(page, 8);

    std::map<std::string, std::string> symbolOfCode = symbolsOfCodes(*document);
    const std::vector<pattern_test::Word> placed = symbolWords(words, symbolOfCode);
    double left = 1e9;
    double top = 1e9;
    for (const pattern_test::Word& word : placed) {
        left = std::min(left, (word.xMin + word.xMax) / 2);
        top = std::min(top, (word.yMin + word.yMax) / 2);
    }

    const chart::ChartModel& model = document->model();
    const palette::ColourTable& table = document->system().table;
    std::size_t listedCells = 0;
    for (int column = 0; column < 62; ++column) {
        for (int row = 0; row < 92; ++row) {
            const palette::ColourEntry* entry = chart::cellEntry(model, table, column, row);
            if (entry && symbolOfCode.count(entry->code)) ++listedCells;
        }
    }
    std::set<std::pair<int, int>> found;
    for (const pattern_test::Word& word : placed) {
        const double across = ((word.xMin + word.xMax) / 2 - left) / kCellPoints;
        const double down = ((word.yMin + word.yMax) / 2 - top) / kCellPoints;
        const int column = static_cast<int>(std::lround(across));
        const int row = static_cast<int>(std::lround(down));
        ASSERT_LT(std::abs(across - column) + std::abs(down - row), 0.3) << word.text;
        ASSERT_TRUE(column < 62 && row < 92) << column << ", " << row;
        const palette::ColourEntry* entry = chart::cellEntry(model, table, column, row);
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(word.text, symbolOfCode[entry->code]) << column << ", " << row;
        found.insert({column, row});
    }
    EXPECT_EQ(found.size(), placed.size());
    EXPECT_EQ(found.size(), listedCells);
}

}  // namespace
