// "Excel出力" and "Excel読込": the chart written to a chart workbook and read back, with the stages
// and the outcome in the progress dialog.

#include "app/main_window.h"

#include "view/dialogs.h"
#include "app/file_messages.h"
#include "app/message_boxes.h"
#include "app/page_control.h"
#include "app/progress_dialog.h"
#include "chart/colour_count.h"
#include "chart/cube_size.h"
#include "excel/chart_workbook.h"
#include "excel/export_parameters.h"
#include "excel/imported_chart.h"
#include "platform/atomic_file.h"
#include "platform/text_codec.h"
#include "view/picture_area_view.h"
#include "view/picture_panel.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>

namespace app {
namespace {

const QString kExportCaption = QStringLiteral("Tessaly <図案Excel出力> ");
const QString kImportCaption = QStringLiteral("Tessaly <図案Excel読込> (原画には図案を使います。)");
const QString kFilter = QStringLiteral("Excel files (*.xlsx)|*.XLSX");
// Charts kept in the other spreadsheet program's own format are read too.
const QString kOpenFilter = kFilter + QStringLiteral("|OpenDocument files (*.ods)|*.ODS");

// A name without the workbook extension gets it, also after another extension (chart.txt.xlsx).
QString withWorkbookExtension(const QString& path) {
    return QFileInfo(path).suffix().toUpper() == QStringLiteral("XLSX") ? path : path + QStringLiteral(".xlsx");
}

QString text(const std::string& s) { return QString::fromStdString(s); }

// The operation's total, stages and steps, shown in the progress dialog under the operation's
// caption; the dialog opens once the total is known and repaints at each step.
class DialogProgress : public excel::WorkbookProgress {
public:
    DialogProgress(TForm2& dialog, QString caption) : dialog_(dialog), caption_(std::move(caption)) {}
    void begin(int total) override { dialog_.ProgressOpen(caption_, total); }
    void stage(std::string_view stageText) override {
        dialog_.ProgressStage(QString::fromUtf8(stageText.data(), static_cast<qsizetype>(stageText.size())));
    }
    void step(int steps) override { dialog_.ProgressStep(steps); }

private:
    TForm2& dialog_;
    QString caption_;
};

// What the progress dialog finishes with: the operation's own success text, its message, or the
// window's words for what a library raised, so that no failure goes unseen.
template <class Operation>
QString outcome(Operation operation, const QString& success) {
    try {
        const std::string problem = operation();
        return problem.empty() ? success : text(problem);
    } catch (const std::exception& e) {
        return text(unexpectedErrorMessage(e));
    }
}

}  // namespace

// The window is locked while a workbook is written or read, and always unlocked afterwards.
class TForm1::WorkbookRun {
public:
    explicit WorkbookRun(TForm1& window) : window_(window) {
        window_.PageControl1->setEnabled(false);
        window_.pictureArea->panel()->setEnabled(false);
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~WorkbookRun() {
        window_.PageControl1->setEnabled(true);
        window_.pictureArea->panel()->setEnabled(true);
        QApplication::restoreOverrideCursor();
        window_.refreshControls();
    }
    WorkbookRun(const WorkbookRun&) = delete;
    WorkbookRun& operator=(const WorkbookRun&) = delete;

private:
    TForm1& window_;
};

// Where workbooks go and come from, unless the user chose another folder: a data folder beside the
// program, or, where that cannot be made (an installed program), the user's documents.
QString TForm1::workbookFolder() {
    if (!dataFolder_.empty() && QFileInfo(text(dataFolder_)).isDir()) return text(dataFolder_);
    const QString besideProgram = QFileInfo(text(cfgFolder_)).dir().filePath(QStringLiteral("data"));
    if (QDir().mkpath(besideProgram)) return besideProgram;
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

void TForm1::Bt2_ExcelClick() {
    if (pictureArea->canRestoreSize()) pictureArea->restoreSize();
    if (!PageControl1->isEnabled()) return;
    if (pictureArea->panel()->chartLayer()->pixmap().isNull()) {
        ShowMessageBox(QStringLiteral("図案がまだ作成されていません。"), Bt2_Excel->text());
        return;
    }
    if (model_.cube.rebuildCodes && Comb_code->findText(text(chartCodeSystem_)) >= 0) {
        Comb_code->setCurrentIndex(Comb_code->findText(text(chartCodeSystem_)));
        Comb_codeChange();
        model_.cube.rebuildCodes = false;
    }
    Ck_Bx1->setChecked(model_.options.smoothing);
    Ck_Bx2->setChecked(model_.options.boundary);
    Ck_Bx1Click();
    Ck_Bx2Click();

    const WorkbookRun run(*this);
    Form2->ProgressFinish(outcome([this] { return ExportChartToExcel(); }, QStringLiteral("Excel出力終了")));
}

// The program's folder with its cfg folder.
std::string TForm1::startFolderProblem() const {
    return QFileInfo(text(cfgFolder_)).isDir() ? std::string() : "起動フォルダが異常です";
}

std::string TForm1::ExportChartToExcel() {
    DialogProgress progress(*Form2, kExportCaption);
    const view::CellCounts area = pictureArea->cellCounts();
    excel::beginChartExport(area.across, area.down, progress);
    if (pictureArea->panel()->chartLayer()->pixmap().isNull()) return "図案画像がありません";
    progress.step(excel::kFileCheckStep);
    if (std::string problem = startFolderProblem(); !problem.empty()) return problem;
    progress.step(excel::kFileCheckStep);
    const QString folder = workbookFolder();
    if (folder.isEmpty()) return "出力用フォルダを作成できません";
    dataFolder_ = folder.toStdString();
    progress.step(excel::kFileCheckStep);

    QString path = view::dialogs().saveFileName(view::FileRequest{
        QStringLiteral("ファイル名を指定してください (Tessaly <図案Excel出力> )"), folder, kFilter});
    if (path.isEmpty()) return "Excel出力(ファイル指定)をキャンセルしました";
    progress.step(excel::kFileCheckStep);
    const QFileInfo target(withWorkbookExtension(path));
    if (!QDir().mkpath(target.absolutePath())) {
        return "出力用フォルダ(" + target.absolutePath().toStdString() + ")を作成できません";
    }
    dataFolder_ = target.absolutePath().toStdString();
    progress.step(excel::kFileCheckStep);
    // The file is replaced only once the new workbook is whole, so a failed export leaves it as it was.
    if (target.exists()
        && AskMessageBox(target.fileName() + QStringLiteral("を上書きしますか?"), view::BoxKind::Confirmation,
                         view::BoxButton::Yes | view::BoxButton::No, QStringLiteral("Excel出力"))
               != view::ModalResult::Yes) {
        return "Excel出力(上書き)をキャンセルしました";
    }
    // A file that may not be replaced (nobody may write it, say) is told before the workbook is made.
    if (target.exists() && platform::findReplaceableFile(target.absoluteFilePath().toStdString()).problem) {
        return "出力ファイル(" + target.fileName().toStdString() + ")を上書できません";
    }
    progress.step(excel::kFileCheckStep);

    // Another system chosen and back empties the symbols: count again, so the key is written whole.
    chart::countColoursInUse(model_, system_.table);
    const QSize chartPanel = pictureArea->chartPanelSize();
    const excel::WorkbookParameters parameters = excel::exportParameters(
        model_, fabric_.fabric, chart::cubeSizeItemIndex(cubeItem_), Ed_cnt1->text().toInt(),
        chartPanel.isEmpty() ? std::nullopt : std::optional(view::AreaSize{chartPanel.width(), chartPanel.height()}));
    return excel::writeChartWorkbook(target.absoluteFilePath().toStdString(), model_, system_, parameters, progress);
}

void TForm1::Bt2_Excel_inClick() {
    if (!PageControl1->isEnabled()) return;
    resetPen();
    const WorkbookRun run(*this);
    Form2->ProgressFinish(outcome([this] { return ImportChartFromExcel(); }, QStringLiteral("Excel読込終了")));
}

std::string TForm1::ImportChartFromExcel() {
    DialogProgress progress(*Form2, kImportCaption);
    excel::beginChartImport(progress);
    QApplication::processEvents();
    progress.step(excel::kFileCheckStep);
    if (std::string problem = startFolderProblem(); !problem.empty()) return problem;
    const QString folder = workbookFolder();
    const QString path = view::dialogs().openFileName(view::FileRequest{
        QStringLiteral("図案Excelファイルを指定してください (Tessaly <図案Excel読込> )"), folder, kOpenFilter});
    if (path.isEmpty()) return "Excel読込(ファイル選択)をキャンセルしました";
    progress.step(excel::kFileCheckStep);
    dataFolder_ = QFileInfo(path).absolutePath().toStdString();
    progress.step(excel::kFileCheckStep);

    excel::WorkbookRead read = excel::readChartWorkbook(path.toStdString(), progress);
    if (!read.message.empty()) return read.message;
    takeWorkbookSystem(read.model.options.codeSystem);
    const excel::SettledChart settled = excel::settleImportedChart(read.model, system_);
    if (!settled.message.empty()) return settled.message;

    Form2->ProgressStage(QStringLiteral("データ表示処理中"));
    model_ = std::move(read.model);
    model_.options.codeSystem = currentCodeSystem_;
    chartCodeSystem_ = currentCodeSystem_;
    model_.cube.rebuildCodes = false;
    showWorkbookChart(read.parameters, settled.colours);
    return {};
}

// The workbook's colour-code system becomes the current one when the window offers it; its cube
// codes are then worked out for that system's table when the chart is settled.
void TForm1::takeWorkbookSystem(const std::string& named) {
    const int offered = Comb_code->findText(text(named));
    if (named.empty() || offered < 0) return;
    if (named != currentCodeSystem_ || model_.cube.rebuildCodes) {
        Comb_code->setCurrentIndex(offered);
        Comb_codeChange();
    }
}

void TForm1::showWorkbookChart(const excel::WorkbookParameters& parameters, int colours) {
    view::PicturePanel* panel = pictureArea->panel();
    cubeItem_ = std::string(chart::kCubeSizeItems[static_cast<std::size_t>(parameters.cubeItem)].text);
    Ck_Bx1->setChecked(model_.options.smoothing);
    Ck_Bx2->setChecked(model_.options.boundary);
    Ck_Bx1Click();
    Ck_Bx2Click();
    Sp_Ed1->setValue(model_.options.maxColours);
    Ed_cnt1->setText(QString::number(colours));
    // The workbook's size is matched as the saved options keep it, in hundredths.
    fabric_ = palette::chooseFabric(settings_.fabrics, fabric_.index,
                                    platform::parseRealNumber(palette::formatCountSize(parameters.countSize)), parameters.fabricUnit);
    pictureArea->setFabric(fabric_.fabric);

    showChart();
    panel->sourceLayer()->setPixmap(panel->chartLayer()->pixmap());
    panel->sourceLayer()->show();
    const QSize area = parameters.panelWidth > 0 && parameters.panelHeight > 0
                           ? QSize(parameters.panelWidth, parameters.panelHeight)
                           : QSize(model_.columns * model_.cellWidth + panel->frame(),
                                   model_.rows * model_.cellHeight + panel->frame());
    panel->setAreaSize(area);
    pictureArea->recordChartSize();
    Ck_BxP->setEnabled(true);
    Ck_BxPClick();
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, Qt::black);
    panel->setPalette(palette);
    Bt2_Excel->setEnabled(true);
    pictureArea->refreshSizeTexts();
}

}  // namespace app
