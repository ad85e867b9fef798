// Pictures pasted, dropped or opened into the window: the command line's rules; a refusal is said and
// takes nothing away.

#include "app/chart_cells.h"
#include "app/file_drop.h"
#include "app/page_control.h"
#include "app/picture_messages.h"
#include "app/window_fixture.h"
#include "chart/code_painting.h"
#include "platform/encoded_picture.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTest>

#include <sys/stat.h>

namespace {

using platform::PictureProblem;
using view::CellCounts;

// One colour compresses to almost nothing, so even the largest pictures are quick to make.
QImage plain(int width, int height) {
    QImage image(width, height, QImage::Format_Grayscale8);
    image.fill(140);
    return image;
}

class PictureIntakeTest : public StartedWindowTest {
protected:
    // What another program puts on the clipboard: the picture in its file form, under its type.
    void offer(const QByteArray& bytes, const char* type = "image/png") {
        auto* data = new QMimeData;
        data->setData(QString::fromLatin1(type), bytes);
        QGuiApplication::clipboard()->setMimeData(data);
        QApplication::processEvents();
    }

    QString file(const char* name, const QByteArray& bytes) const {
        const QString path = QString::fromStdString(folder(name));
        QFile out(path);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
        return path;
    }

    QAction* openItem() const { return window_->PopupMenu1->findChild<QAction*>("pop1open"); }
};

TEST_F(PictureIntakeTest, AFailedPasteSaysSoAndKeepsTheChartThePenAndTheHistory) {
    makeChart();
    window_->PageControl1->setCurrentIndex(app::paintingTab);
    pressCell(*window_, 0, 0, Qt::ShiftModifier);
    const std::string pen = codeAt(*window_, 0, 0);
    const int column = window_->document().model().columns - 1;
    int row = 0;
    while (codeAt(*window_, column, row) == pen) ++row;
    ASSERT_LT(row, window_->document().model().rows);
    pressCell(*window_, column, row);
    ASSERT_EQ(codeAt(*window_, column, row), pen);
    window_->PageControl1->setCurrentIndex(app::chartTab);

    offer("this is no picture, whatever its type says");
    window_->Bt_PutClick();
    // The message the user knows for a failed paste.
    EXPECT_EQ(messages(), QStringList{QStringLiteral("クリップボードからの貼付けに失敗しました")});
    EXPECT_FALSE(panel()->chartLayer()->pixmap().isNull());
    // The size the chart was made at can still be restored.
    panel()->setAreaSize(panel()->size() + QSize(30, 30));
    EXPECT_TRUE(window_->pictureArea->canRestoreSize());

    window_->PageControl1->setCurrentIndex(app::paintingTab);
    EXPECT_TRUE(window_->BitBtn1->isEnabled());  // the pen is still chosen
    ASSERT_TRUE(window_->BitBtn3->isEnabled());
    window_->BitBtn3->click();
    EXPECT_NE(codeAt(*window_, column, row), pen);
}

TEST_F(PictureIntakeTest, TheClipboardTakesWhatTheCommandLineTakesAndSaysWhyNotTheRest) {
    // 36 million pixels: within the command line's limit, and beyond Qt's own for its decoders.
    offer(encoded(plain(6000, 6000), "PNG"));
    window_->Bt_PutClick();
    EXPECT_TRUE(dialogs_.messages().empty());
    EXPECT_EQ(window_->document().model().source.width(), 6000);
    EXPECT_EQ(cells(), (CellCounts{200, 200}));

    offer(encoded(plain(6400, 6400), "PNG"));
    window_->Bt_PutClick();
    EXPECT_EQ(messages(), QStringList{app::clipboardRefusal(PictureProblem::TooManyPixels)});
    EXPECT_TRUE(messages()[0].contains(QStringLiteral("4000万画素")));
    EXPECT_EQ(window_->document().model().source.width(), 6000);
}

TEST_F(PictureIntakeTest, TransparentPicturesShowOnWhiteAsTheyAreCharted) {
    QImage picture(40, 40, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    for (int x = 0; x < 40; ++x) picture.setPixel(x, 0, qRgba(255, 0, 0, 128));
    paste(picture);

    const QImage shown = panel()->sourceLayer()->pixmap().toImage();
    EXPECT_EQ(shown.pixel(20, 20), qRgb(255, 255, 255));
    EXPECT_EQ(shown.pixel(20, 0), qRgb(255, 127, 127));
}

TEST_F(PictureIntakeTest, OnlyPictureFilesAreOfferedForDroppingAndPipesAreNeverOpened) {
    const QString png = file("picture.png", encoded(plain(30, 30), "PNG"));
    EXPECT_TRUE(dragOver(*window_, png));
    EXPECT_FALSE(dragOver(*window_, file("notes.png", "a text that calls itself a picture")));
    EXPECT_FALSE(dragOver(*window_, QString::fromStdString(folder("cfg"))));
    // Opening a pipe for a look at its first bytes would wait for a writer that never comes.
    const std::string pipe = folder("pipe.png");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_FALSE(dragOver(*window_, QString::fromStdString(pipe)));
    dropFile(*window_, QString::fromStdString(pipe));
    EXPECT_TRUE(panel()->sourceLayer()->pixmap().isNull());
    EXPECT_TRUE(dialogs_.messages().empty());
}

TEST_F(PictureIntakeTest, AFileThatCannotBeTakenIsNamedWithTheReason) {
    const QByteArray png = encoded(QImage(QStringLiteral(TESSALY_SOURCE_DIR "/samples/garden.png")), "PNG");
    const QString cut = file("cut off.png", png.left(png.size() / 2));
    dropFile(*window_, cut);
    const QString huge = file("huge.png", encoded(plain(6400, 6400), "PNG"));
    dropFile(*window_, huge);
    EXPECT_EQ(messages(), (QStringList{app::fileRefusal(cut, PictureProblem::Damaged),
                                       app::fileRefusal(huge, PictureProblem::TooManyPixels)}));
    EXPECT_TRUE(messages()[0].contains(cut));
    EXPECT_NE(messages()[0], app::clipboardRefusal(PictureProblem::Damaged));
    EXPECT_TRUE(panel()->sourceLayer()->pixmap().isNull());
}

TEST_F(PictureIntakeTest, APictureFileOpensFromThePopupMenuAsADroppedOneDoes) {
    EXPECT_TRUE(window_->actions().contains(openItem()));  // Ctrl+O works with the menu closed

    // Without a pictures folder the first dialog opens at home.
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", dir_.path().toLocal8Bit());
    const QString png = file("picture.png", encoded(plain(100, 300), "PNG"));
    dialogs_.chooseFile(png);
    openItem()->trigger();
    qputenv("HOME", home);
    ASSERT_EQ(dialogs_.fileRequests().size(), 1u);
    EXPECT_EQ(dialogs_.fileRequests()[0].folder, dir_.path());
    EXPECT_TRUE(dialogs_.fileRequests()[0].filter.contains(QStringLiteral("*.png")));
    EXPECT_EQ(cells(), (CellCounts{33, 100}));
    EXPECT_FALSE(panel()->sourceLayer()->isHidden());

    // The next dialog starts where the picture was found; cancelling it changes nothing.
    dialogs_.chooseFile({});
    openItem()->trigger();
    ASSERT_EQ(dialogs_.fileRequests().size(), 2u);
    EXPECT_EQ(dialogs_.fileRequests()[1].folder, dir_.path());
    EXPECT_EQ(cells(), (CellCounts{33, 100}));

    dialogs_.chooseFile(QString::fromStdString(folder("missing.png")));
    openItem()->trigger();
    EXPECT_EQ(messages(), QStringList{app::fileRefusal(QString::fromStdString(folder("missing.png")),
                                                       PictureProblem::FileMissing)});

    // Like the paste item, it rests while the chart is painted.
    window_->Bt2_mainClick();
    window_->PageControl1->setCurrentIndex(app::paintingTab);
    EXPECT_FALSE(openItem()->isEnabled());
}

TEST_F(PictureIntakeTest, AWindowWithoutSettingsTakesNoPicture) {
    std::filesystem::remove(folder("cfg") + "/Tessaly.ini");
    window_ = start();
    ASSERT_EQ(messages(), QStringList{QStringLiteral("Tessaly.iniなし")});
    const QString png = file("picture.png", encoded(plain(30, 30), "PNG"));
    EXPECT_FALSE(dragOver(*window_, png));
    openItem()->trigger();  // Ctrl+O: an unanswered file dialog would fail the test
    window_->openPictureFile(png);
    EXPECT_TRUE(panel()->sourceLayer()->pixmap().isNull());
    EXPECT_TRUE(dialogs_.fileRequests().empty());
}

}  // namespace
