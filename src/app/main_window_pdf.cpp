// "PDF出力": the chart's printable pattern, written to a PDF file the user names.

#include "app/main_window.h"

#include "app/file_messages.h"
#include "app/message_boxes.h"
#include "app/page_control.h"
#include "app/status_line.h"
#include "pattern/pattern_pdf.h"
#include "platform/atomic_file.h"
#include "platform/date_time.h"
#include "view/dialogs.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QPushButton>

namespace app {
namespace {

const QString kPdfCaption = QStringLiteral("PDF出力");
const QString kPdfFilter = QStringLiteral("PDF files (*.pdf)|*.PDF");

// A name without the PDF extension gets it, also after another extension (chart.txt.pdf).
QString withPdfExtension(const QString& path) {
    return QFileInfo(path).suffix().toUpper() == QStringLiteral("PDF") ? path : path + QStringLiteral(".pdf");
}

std::string cannotSave(const QFileInfo& target) {
    return "PDFファイル（" + target.fileName().toStdString() + "）を保存できません。";
}

// The pattern on A4 for the two strands most charts are stitched with, dated today on the cover.
std::string writePattern(const document::ChartDocument& document, const QFileInfo& target) {
    const pattern::PatternOptions options{pattern::Paper::A4, 2, platform::formatIsoDate(platform::localNow())};
    const pattern::PatternPdf pdf = pattern::patternPdf(pattern::patternContent(document), options);
    if (!pdf.message.empty()) return cannotSave(target) + pdf.message;
    if (const auto problem = platform::replaceFileAtomically(target.absoluteFilePath().toStdString(), pdf.bytes)) {
        return cannotSave(target) + platform::japaneseReason(*problem);
    }
    return {};
}

}  // namespace

void TForm1::Bt2_PdfClick() {
    if (!PageControl1->isEnabled()) return;
    if (!document_.hasChart()) {
        ShowMessageBox(QStringLiteral("図案がまだ作成されていません。"), Bt2_Pdf->text());
        return;
    }
    const QString path = view::dialogs().saveFileName(view::FileRequest{
        QStringLiteral("ファイル名を指定してください (Tessaly <PDF出力> )"), workbookFolder(), kPdfFilter});
    if (path.isEmpty()) return;
    const QFileInfo target(withPdfExtension(path));
    // The file is replaced only once the new PDF is whole, so a failed run leaves it as it was.
    if (target.exists()
        && AskMessageBox(target.fileName() + QStringLiteral("を上書きしますか?"), view::BoxKind::Confirmation,
                         view::BoxButton::Yes | view::BoxButton::No, kPdfCaption)
               != view::ModalResult::Yes) {
        return;
    }

    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    std::string problem;
    try {
        problem = writePattern(document_, target);
    } catch (const std::exception& e) {
        problem = unexpectedErrorMessage(e);
    }
    QGuiApplication::restoreOverrideCursor();
    if (!problem.empty()) {
        ShowMessageBox(QString::fromStdString(problem), Bt2_Pdf->text());
        return;
    }
    StatusBar1->setPanelText(StatusLine::hintPanel, QStringLiteral(">>> PDF出力完 <<<"));
}

}  // namespace app
