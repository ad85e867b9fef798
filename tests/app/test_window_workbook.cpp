// "Excel出力" and "Excel読込" through the real buttons, the file dialogs and questions answered by the test.

#include "app/chart_cells.h"
#include "app/page_control.h"
#include "app/progress_dialog.h"
#include "app/window_fixture.h"
#include "excel/chart_workbook.h"
#include "excel/export_parameters.h"
#include "excel/test_workbooks.h"
#include "excel/workbook_layout.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <fstream>
#include <vector>

namespace {

class WorkbookButtonsTest : public StartedWindowTest {
protected:
    QString finalMessage() const { return window_->Form2->Label2->text(); }

    std::vector<std::string> codes() const {
        const chart::ChartModel& model = window_->document().model();
        std::vector<std::string> all;
        for (int column = 0; column < model.columns; ++column) {
            for (int row = 0; row < model.rows; ++row) all.push_back(codeAt(*window_, column, row));
        }
        return all;
    }

    QString workbook(const char* name) const { return QString::fromStdString(folder(name)); }
};

TEST_F(WorkbookButtonsTest, ExportNeedsAChartAndAFileName) {
    window_->Bt2_Excel->click();
    ASSERT_EQ(dialogs_.messages().size(), 1u);
    EXPECT_EQ(dialogs_.messages()[0].text, QStringLiteral("図案がまだ作成されていません。"));
    EXPECT_TRUE(dialogs_.messages()[0].caption.endsWith(QStringLiteral("<Excel出力>")));

    makeChart();
    dialogs_.chooseFile({});
    window_->Bt2_Excel->click();
    EXPECT_EQ(finalMessage(), QStringLiteral("Excel出力(ファイル指定)をキャンセルしました"));
}

TEST_F(WorkbookButtonsTest, ExportAsksBeforeReplacingAFileAndImportGivesTheChartBack) {
    makeChart();
    const std::vector<std::string> made = codes();
    const QString madeColours = window_->Ed_cnt1->text();

    dialogs_.chooseFile(workbook("chart"));  // the extension is added
    window_->Bt2_Excel->click();
    EXPECT_EQ(finalMessage(), QStringLiteral("Excel出力終了"));
    ASSERT_TRUE(QFile::exists(workbook("chart.xlsx")));

    const auto size = QFile(workbook("chart.xlsx")).size();
    dialogs_.chooseFile(workbook("chart.xlsx"));
    dialogs_.answer(view::ModalResult::No);
    window_->Bt2_Excel->click();
    EXPECT_EQ(finalMessage(), QStringLiteral("Excel出力(上書き)をキャンセルしました"));
    EXPECT_EQ(QFile(workbook("chart.xlsx")).size(), size);
    ASSERT_EQ(dialogs_.questions().size(), 1u);
    EXPECT_EQ(dialogs_.questions()[0].text, QStringLiteral("chart.xlsxを上書きしますか?"));
    dialogs_.chooseFile(workbook("chart.xlsx"));
    dialogs_.answer(view::ModalResult::Yes);
    window_->Bt2_Excel->click();
    EXPECT_EQ(finalMessage(), QStringLiteral("Excel出力終了"));

    window_->Bt_ClrClick();
    window_->Bt_ClrClick();
    dialogs_.chooseFile(workbook("chart.xlsx"));
    window_->Bt2_Excel_in->click();
    EXPECT_EQ(finalMessage(), QStringLiteral("Excel読込終了"));
    EXPECT_EQ(codes(), made);
    EXPECT_EQ(window_->Ed_cnt1->text(), madeColours);
    EXPECT_TRUE(window_->Bt2_Excel->isEnabled());
    EXPECT_FALSE(panel()->sourceLayer()->pixmap().isNull());
}

TEST_F(WorkbookButtonsTest, ImportRefusesWhatIsNoChartWorkbook) {
    dialogs_.chooseFile({});
    window_->Bt2_Excel_in->click();
    EXPECT_EQ(finalMessage(), QStringLiteral("Excel読込(ファイル選択)をキャンセルしました"));

    // A workbook of a chart's sheets without the chart marker.
    writePlainWorkbook(chartSheets(), folder("plain.xlsx"));
    dialogs_.chooseFile(workbook("plain.xlsx"));
    window_->Bt2_Excel_in->click();
    EXPECT_EQ(finalMessage(), QStringLiteral("選んだExcelファイル（plain.xlsx）は図案ファイルではありません。"));
    EXPECT_TRUE(panel()->chartLayer()->pixmap().isNull());
}

// A file that cannot be opened as a workbook ends the import with the reader's words, which stay
// until OK is pressed, and leaves the window usable and the chart as it was.
TEST_F(WorkbookButtonsTest, AnUnreadableFileIsShownAndTheWindowUnlocked) {
    makeChart();
    const std::vector<std::string> made = codes();
    std::ofstream(folder("broken.xlsx")) << "PK\x03\x04 not a workbook";
    dialogs_.chooseFile(workbook("broken.xlsx"));
    window_->Bt2_Excel_in->click();
    EXPECT_EQ(finalMessage(), QStringLiteral("Excelファイル（broken.xlsx）を開けません。Excelのブックではないか、壊れています。"));
    EXPECT_TRUE(window_->Form2->Bt_OK->isVisible());
    EXPECT_FALSE(window_->Form2->Timer1->isActive());
    EXPECT_TRUE(window_->PageControl1->isEnabled());
    EXPECT_TRUE(panel()->isEnabled());
    EXPECT_EQ(codes(), made);

    // A name that cannot be replaced (a folder) fails the export, not the program.
    std::filesystem::create_directories(folder("taken.xlsx"));
    dialogs_.chooseFile(workbook("taken.xlsx"));
    dialogs_.answer(view::ModalResult::Yes);
    window_->Bt2_Excel->click();
    EXPECT_EQ(finalMessage(), QStringLiteral("出力ファイル(taken.xlsx)を上書できません"));
    EXPECT_TRUE(window_->PageControl1->isEnabled());
    EXPECT_TRUE(std::filesystem::is_directory(folder("taken.xlsx")));
}

// A workbook written as the command line writes it comes back at the chart's own cells.
TEST_F(WorkbookButtonsTest, AChartWrittenWithoutTheWindowComesBackAtItsOwnCells) {
    makeChart();
    const chart::ChartModel& made = window_->document().model();
    const std::pair<int, int> cells{made.columns, made.rows};
    excel::WorkbookProgress quiet;
    ASSERT_EQ(excel::writeChartWorkbook(folder("written.xlsx"), made, window_->document().system(),
                                        excel::exportParameters(made, palette::Fabric{}, 0, 10), quiet),
              "");
    window_->Bt_ClrClick();
    window_->Bt_ClrClick();
    dialogs_.chooseFile(workbook("written.xlsx"));
    window_->Bt2_Excel_in->click();
    ASSERT_EQ(finalMessage(), QStringLiteral("Excel読込終了"));
    const view::CellCounts shown = panel()->cellCounts();
    EXPECT_EQ(std::make_pair(shown.across, shown.down), cells);
}

// A workbook with cell sizes no picture can have is refused and the chart on screen stays. The other
// refusals of a read workbook are met in tests/excel/test_workbook_refusals.cpp.
TEST_F(WorkbookButtonsTest, ImportRefusesOverflowingSizesAndKeepsTheChart) {
    makeChart();
    const std::vector<std::string> made = codes();
    const auto write = [this](double cellWidth, double cellHeight) {
        PlainWorkbook book = chartSheets();
        const std::pair<excel::Parameter, double> parameters[] = {
            {excel::Parameter::Marker, 160},          {excel::Parameter::Columns, 8},
            {excel::Parameter::Rows, 8},              {excel::Parameter::CellWidth, cellWidth},
            {excel::Parameter::CellHeight, cellHeight}, {excel::Parameter::RedLevels, 4},
            {excel::Parameter::GreenLevels, 4},       {excel::Parameter::BlueLevels, 4}};
        for (const auto& [parameter, value] : parameters) {
            put(book, excel::Sheet::Key, excel::parameterRow(parameter), excel::kParameterValueColumn, value);
        }
        for (int channel = 0; channel < 3; ++channel) put(book, excel::valueSheet(channel), 1, 1, 255.0);
        writePlainWorkbook(book, folder("odd.xlsx"));
    };
    write(536870912, 1073741824);
    dialogs_.chooseFile(workbook("odd.xlsx"));
    window_->Bt2_Excel_in->click();
    EXPECT_EQ(finalMessage(), QStringLiteral("選んだExcelファイル（odd.xlsx）は読込めません。1目の大きさ（536870912 × "
                                             "1073741824ピクセル）で図案を表示できません。"));
    EXPECT_EQ(codes(), made);
}

}  // namespace
