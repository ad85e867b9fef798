// "Excel出力" and "Excel読込": the chart written to a chart workbook and read back, with the stages
// and the outcome in the progress dialog.

#include "app/main_window.h"

#include "view/dialogs.h"
#include "app/file_messages.h"
#include "app/message_boxes.h"
#include "app/page_control.h"
#include "app/progress_dialog.h"
#include "excel/chart_workbook.h"
#include "platform/atomic_file.h"
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
    const QString chosen = text(document_.savedOptions().dataFolder);
    if (!chosen.isEmpty() && QFileInfo(chosen).isDir()) return chosen;
    const QString besideProgram = QFileInfo(text(cfgFolder_)).dir().filePath(QStringLiteral("data"));
    if (QDir().mkpath(besideProgram)) return besideProgram;
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

void TForm1::Bt2_ExcelClick() {
    if (pictureArea->canRestoreSize()) pictureArea->restoreSize();
    if (!PageControl1->isEnabled()) return;
    if (!document_.hasChart()) {
        ShowMessageBox(QStringLiteral("図案がまだ作成されていません。"), Bt2_Excel->text());
        return;
    }
    if (document_.prepareExport()) {
        showSystem();
    } else {
        showOptionBoxes();
    }

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
    if (!document_.hasChart()) return "図案画像がありません";
    progress.step(excel::kFileCheckStep);
    if (std::string problem = startFolderProblem(); !problem.empty()) return problem;
    progress.step(excel::kFileCheckStep);
    const QString folder = workbookFolder();
    if (folder.isEmpty()) return "出力用フォルダを作成できません";
    document_.setDataFolder(folder.toStdString());
    progress.step(excel::kFileCheckStep);

    QString path = view::dialogs().saveFileName(view::FileRequest{
        QStringLiteral("ファイル名を指定してください (Tessaly <図案Excel出力> )"), folder, kFilter});
    if (path.isEmpty()) return "Excel出力(ファイル指定)をキャンセルしました";
    progress.step(excel::kFileCheckStep);
    const QFileInfo target(withWorkbookExtension(path));
    if (!QDir().mkpath(target.absolutePath())) {
        return "出力用フォルダ(" + target.absolutePath().toStdString() + ")を作成できません";
    }
    document_.setDataFolder(target.absolutePath().toStdString());
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

    return document_.exportWorkbook(target.absoluteFilePath().toStdString(), progress);
}

void TForm1::Bt2_Excel_inClick() {
    if (!PageControl1->isEnabled()) return;
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
    document_.setDataFolder(QFileInfo(path).absolutePath().toStdString());
    progress.step(excel::kFileCheckStep);

    const document::ImportOutcome read = document_.importWorkbook(path.toStdString(), progress);
    if (!read.message.empty()) return read.message;
    Form2->ProgressStage(QStringLiteral("データ表示処理中"));
    showWorkbookChart();
    return {};
}

void TForm1::showWorkbookChart() {
    view::PicturePanel* panel = pictureArea->panel();
    resetPen();
    showSystem();
    Ed_cnt1->setText(QString::number(document_.resultColours()));
    pictureArea->setFabric(document_.fabric());

    showChart();
    panel->sourceLayer()->setPixmap(panel->chartLayer()->pixmap());
    panel->sourceLayer()->show();
    const view::AreaSize area = *document_.chartPanel();
    panel->setAreaSize(QSize(area.width, area.height));
    pictureArea->recordChartSize();
    Ck_BxP->setEnabled(true);
    Ck_BxPClick();
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, Qt::black);
    panel->setPalette(palette);
    Bt2_Excel->setEnabled(true);
    Bt2_Pdf->setEnabled(true);
    pictureArea->refreshSizeTexts();
}

}  // namespace app
