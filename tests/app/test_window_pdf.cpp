// "PDF出力" through the real button: available exactly when "Excel出力" is, the file named and the
// overwrite question answered through the seam.

#include "app/faded_caption.h"
#include "app/window_fixture.h"

#include <QFile>
#include <QProcess>
#include <QPushButton>

namespace {

using PdfButtonTest = StartedWindowTest;

// The page count poppler's pdfinfo reads from the file; 0 when it reads no PDF there.
int pdfPages(const QString& path) {
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {path});
    info.waitForFinished();
    for (const QString& line : QString::fromUtf8(info.readAllStandardOutput()).split('\n')) {
        if (line.startsWith(QStringLiteral("Pages:"))) return line.mid(6).trimmed().toInt();
    }
    return 0;
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST_F(PdfButtonTest, FollowsExcelOutputAndWritesThePatternItIsAskedFor) {
    const auto fadedAlike = [this] {
        return app::isCaptionFaded(window_->Bt2_Pdf) == app::isCaptionFaded(window_->Bt2_Excel)
               && window_->Bt2_Pdf->isEnabled() == window_->Bt2_Excel->isEnabled();
    };
    EXPECT_TRUE(app::isCaptionFaded(window_->Bt2_Pdf));
    EXPECT_TRUE(fadedAlike());
    window_->Bt2_Pdf->click();
    ASSERT_EQ(dialogs_.messages().size(), 1u);
    EXPECT_EQ(dialogs_.messages()[0].text, QStringLiteral("図案がまだ作成されていません。"));
    EXPECT_TRUE(dialogs_.messages()[0].caption.endsWith(QStringLiteral("<PDF出力>")));

    makeChart();
    EXPECT_FALSE(app::isCaptionFaded(window_->Bt2_Pdf));
    EXPECT_TRUE(fadedAlike());
    const QString pattern = QString::fromStdString(folder("data/pattern.pdf"));
    dialogs_.chooseFile(QString::fromStdString(folder("data/pattern")));  // the extension is added
    window_->Bt2_Pdf->click();
    ASSERT_EQ(dialogs_.fileRequests().size(), 1u);
    EXPECT_EQ(dialogs_.fileRequests()[0].folder.toStdString(), folder("data"));
    EXPECT_GT(pdfPages(pattern), 0);
    EXPECT_EQ(dialogs_.messages().size(), 1u);

    // A file that is there is replaced only when the user says so.
    const QByteArray written = contents(pattern);
    QFile::resize(pattern, 10);
    dialogs_.chooseFile(pattern);
    dialogs_.answer(view::ModalResult::No);
    window_->Bt2_Pdf->click();
    ASSERT_EQ(dialogs_.questions().size(), 1u);
    EXPECT_EQ(dialogs_.questions()[0].text, QStringLiteral("pattern.pdfを上書きしますか?"));
    EXPECT_TRUE(dialogs_.questions()[0].caption.endsWith(QStringLiteral("<PDF出力>")));
    EXPECT_EQ(contents(pattern), written.left(10));
    dialogs_.chooseFile(pattern);
    dialogs_.answer(view::ModalResult::Yes);
    window_->Bt2_Pdf->click();
    EXPECT_GT(pdfPages(pattern), 0);

    window_->Bt_ClrClick();
    EXPECT_TRUE(app::isCaptionFaded(window_->Bt2_Pdf));
    EXPECT_TRUE(fadedAlike());
}

}  // namespace
