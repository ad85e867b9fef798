// Chart workbooks as other programs save them, damaged ones, and ones made to cost time and memory:
// the first read as the program's own, the others refused before they cost much.

#include "excel/chart_workbook.h"
#include "excel/workbook_layout.h"
#include "test_workbooks.h"
#include "zip_parts.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

using excel::Parameter;
using excel::Sheet;
using excel::Variant;

// An 8 × 8 chart of 4 levels a channel whose first row holds three cells: levels (1,1,1), (2,2,2)
// and (3,3,3); the code system and fabric unit stand beside the parameters. Its parts, as the
// workbook library saves them.
ZipParts smallChartParts() {
    PlainWorkbook book = chartSheets();
    const auto put = [&book](Sheet sheet, int row, int column, Variant value) { ::put(book, sheet, row, column, std::move(value)); };
    const std::pair<Parameter, double> parameters[] = {
        {Parameter::Marker, 160},    {Parameter::Columns, 8},     {Parameter::Rows, 8},
        {Parameter::CellWidth, 3},   {Parameter::CellHeight, 3},  {Parameter::RedLevels, 4},
        {Parameter::GreenLevels, 4}, {Parameter::BlueLevels, 4},  {Parameter::CountSize, 91}};
    for (const auto& [parameter, value] : parameters) {
        put(Sheet::Key, excel::parameterRow(parameter), excel::kParameterValueColumn, value);
    }
    put(Sheet::Key, excel::kCodeSystemRow, excel::kTextColumn, std::string("DMC"));
    put(Sheet::Key, excel::kFabricUnitRow, excel::kTextColumn, std::string("mm"));
    for (int channel = 0; channel < 3; ++channel) {
        put(excel::valueSheet(channel), 1, 1, 255.0);
        for (int column = 1; column <= 3; ++column) put(excel::valueSheet(channel), 3, column, double(column));
    }
    const std::string path = (testFolder() / "written.xlsx").string();
    writePlainWorkbook(book, path);
    return readZipParts(path);
}

const std::string kKeySheet = "xl/worksheets/sheet3.xml";
const std::string kRedSheet = "xl/worksheets/sheet4.xml";

excel::WorkbookRead readParts(const ZipParts& parts, const std::string& name = "chart.xlsx") {
    const std::string path = (testFolder() / name).string();
    writeZipParts(parts, path);
    excel::WorkbookProgress quiet;
    return excel::readChartWorkbook(path, quiet);
}

void expectSmallChart(const excel::WorkbookRead& read) {
    ASSERT_EQ(read.message, "");
    EXPECT_EQ(read.model.options.codeSystem, "DMC");
    EXPECT_EQ(read.parameters.fabricUnit, "mm");
    EXPECT_EQ(read.parameters.countSize, 0.91);
    EXPECT_EQ(read.model.cell(0, 0), chart::pack(1, 1, 1));
    EXPECT_EQ(read.model.cell(1, 0), chart::pack(2, 2, 2));
    EXPECT_EQ(read.model.cell(2, 0), chart::pack(3, 3, 3));
}

TEST(WorkbookForms, TheWritersOwnFormReads) { expectSmallChart(readParts(smallChartParts())); }

// Relationships that name their targets from the package's root, as openpyxl saves them.
TEST(WorkbookForms, PartsNamedFromThePackagesRootAreFound) {
    ZipParts parts = smallChartParts();
    replaceAll(zipPart(parts, "_rels/.rels"), "Target=\"", "Target=\"/");
    replaceAll(zipPart(parts, "xl/_rels/workbook.xml.rels"), "Target=\"", "Target=\"/xl/");
    expectSmallChart(readParts(parts));
}

// Texts stored inline or as a formula's result, with blanks around numbers typed as text.
TEST(WorkbookForms, InlineAndFormulaTextsAreTexts) {
    ZipParts parts = smallChartParts();
    std::string& key = zipPart(parts, kKeySheet);
    replaceCell(key, "B60", "<c r=\"B60\" t=\"inlineStr\"><is><t>160</t></is></c>");
    replaceCell(key, "C60", "<c r=\"C60\" t=\"str\"><f>\"D\"&amp;\"MC\"</f><v>DMC</v></c>");
    replaceCell(key, "C61",
                "<c r=\"C61\" t=\"inlineStr\"><is><r><t>m</t></r><rPh sb=\"0\" eb=\"1\"><t>x</t></rPh>"
                "<r><t xml:space=\"preserve\">m</t></r></is></c>");
    std::string& red = zipPart(parts, kRedSheet);
    replaceCell(red, "A1", "<c r=\"A1\" t=\"inlineStr\"><is><t>255</t></is></c>");
    replaceCell(red, "B3", "<c r=\"B3\" t=\"inlineStr\"><is><t xml:space=\"preserve\"> 2 </t></is></c>");
    expectSmallChart(readParts(parts));
}

// A value sheet whose part is missing, or whose relationship names another part, is damaged.
TEST(WorkbookDamage, ValueSheetsThatAreNotThereAreRefused) {
    const std::string refusal = "選んだExcelファイル（chart.xlsx）は読込めません。色の値のシートがないか、壊れています。";
    ZipParts misdirected = smallChartParts();
    replaceAll(zipPart(misdirected, "xl/_rels/workbook.xml.rels"), "worksheets/sheet5.xml", "styles.xml");
    EXPECT_EQ(readParts(misdirected).message, refusal);
    ZipParts toAnotherSheet = smallChartParts();
    replaceAll(zipPart(toAnotherSheet, "xl/_rels/workbook.xml.rels"), "worksheets/sheet6.xml", "worksheets/sheet1.xml");
    EXPECT_EQ(readParts(toAnotherSheet).message, refusal);
    ZipParts missing = smallChartParts();
    std::erase_if(missing, [](const auto& part) { return part.first == "xl/worksheets/sheet4.xml"; });
    EXPECT_EQ(readParts(missing).message, refusal);
}

std::string refusalOf(const std::string& path) {
    excel::WorkbookProgress quiet;
    const excel::WorkbookRead read = excel::readChartWorkbook(path, quiet);
    return read.unreadable ? read.message : "read";
}

// A column numbered 0 makes the reading library abort; the workbook is refused and the reader,
// the window or the command line, goes on.
TEST(WorkbookDamage, ASheetTheReadingLibraryAbortsOnIsRefused) {
    ZipParts parts = smallChartParts();
    std::string& chart = zipPart(parts, "xl/worksheets/sheet1.xml");
    const std::size_t data = chart.find("<sheetData");
    ASSERT_NE(data, std::string::npos);
    chart.insert(data, "<cols><col min=\"0\" max=\"1\" width=\"2\" customWidth=\"1\"/></cols>");
    writeZipParts(parts, (testFolder() / "chart.xlsx").string());
    EXPECT_EQ(refusalOf((testFolder() / "chart.xlsx").string()),
              "Excelファイル（chart.xlsx）を開けません。Excelのブックではないか、壊れています。");
}

// No file is read whole or inflated whole before its size is known: a sparse file, a part or parts
// that inflate far beyond any chart workbook's are refused as they stand.
TEST(WorkbookBounds, FilesAndPartsBeyondAnyChartAreRefusedUnread) {
    const std::string tooLarge = "Excelファイル（chart.xlsx）を開けません。図案のブックとしては大きすぎます";
    const std::filesystem::path sparse = testFolder() / "chart.xlsx";
    { std::ofstream(sparse) << "PK\x03\x04"; }
    std::filesystem::resize_file(sparse, 2LL << 30);
    EXPECT_TRUE(refusalOf(sparse.string()).starts_with(tooLarge)) << refusalOf(sparse.string());
    std::filesystem::remove(sparse);

    // Spaces in a sheet, a shared string: each part alone beyond the bound.
    ZipParts spaces = smallChartParts();
    zipPart(spaces, kRedSheet).insert(100, std::string(40 << 20, ' '));
    writeZipParts(spaces, sparse.string());
    EXPECT_TRUE(refusalOf(sparse.string()).starts_with(tooLarge));
    // Parts each within the bound, together beyond.
    ZipParts many = smallChartParts();
    for (int i = 0; i < 3; ++i) many.emplace_back("xl/media/filler" + std::to_string(i), std::string(30 << 20, 'a'));
    writeZipParts(many, sparse.string());
    EXPECT_TRUE(refusalOf(sparse.string()).starts_with(tooLarge));
}

// An OpenDocument file without its content: the reading library would say so on standard output,
// which the command line's --json owns.
TEST(WorkbookBounds, AnOpenDocumentWithoutContentIsDamagedAndSaysNothing) {
    const std::string path = (testFolder() / "chart.ods").string();
    writeZipParts({{"mimetype", "application/vnd.oasis.opendocument.spreadsheet"},
                   {"META-INF/manifest.xml", "<?xml version=\"1.0\"?><manifest:manifest/>"}},
                  path);
    ::testing::internal::CaptureStdout();
    const std::string refusal = refusalOf(path);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(refusal, "Excelファイル（chart.ods）を開けません。Excelのブックではないか、壊れています。");
}

}  // namespace
