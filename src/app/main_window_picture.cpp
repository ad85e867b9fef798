// Pictures in and charts out: paste from the clipboard, a dropped or opened picture file, clear in two
// stages, copy.

#include "app/main_window.h"

#include "app/availability_watch.h"
#include "view/dialogs.h"
#include "app/message_boxes.h"
#include "app/page_control.h"
#include "app/picture_messages.h"
#include "chart/chart_limits.h"
#include "chart/code_painting.h"
#include "platform/clipboard_picture.h"
#include "platform/picture_file.h"
#include "platform/qimage_bitmap.h"
#include "view/picture_area.h"
#include "view/picture_area_view.h"
#include "view/picture_panel.h"
#include "view/rulers.h"
#include "view/widget_hint.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDragEnterEvent>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QStandardPaths>

#include <algorithm>
#include <new>

namespace app {
namespace {

const QString kClearSource = QStringLiteral("原画をクリアします。|<クリア> 原画をクリアします。");
const QString kClearAnything = QStringLiteral("図案または原画をクリアします。|<クリア> 図案または原画をクリアします。");
const QString kPictureFilter = QStringLiteral("画像ファイル (*.png *.jpg *.jpeg *.bmp)|*.PNG;*.JPG;*.JPEG;*.BMP"
                                              "|すべてのファイル (*)|*");

void paintPanel(QWidget* panel, const QColor& colour) {
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, colour);
    panel->setPalette(palette);
}

std::string localPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

// The first local file of a drop that starts as a picture the program reads. Only regular files
// are looked into, and only their first bytes, so that dragging a pipe or a huge file over the
// window never holds it.
QString droppedPicture(const QMimeData* data) {
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile() && platform::looksLikePictureFile(localPath(url.toLocalFile()))) return url.toLocalFile();
    }
    return {};
}

// The user's pictures folder where there is one; the home folder otherwise, rather than a dialog
// that offers the missing folder's name as the file to open.
QString firstPictureFolder() {
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return QFileInfo(pictures).isDir() ? pictures : QDir::homePath();
}

// A picture can be within every limit and still not fit in the memory left.
template <typename Take>
platform::DecodedPicture taken(Take take) {
    try {
        return take();
    } catch (const std::bad_alloc&) {
        platform::DecodedPicture refused;
        refused.message = "out of memory";
        refused.problem = platform::PictureProblem::OutOfMemory;
        return refused;
    }
}

// The source picture as the chart sees it, transparency laid onto white, and no larger than the
// largest picture area: it is only ever shown stretched into that area.
QPixmap sourceView(const platform::Bitmap& source, view::CellSize cells) {
    const QImage image = platform::imageFromBitmap(source);
    const QSize largest(cells.width * chart::kMaxCells, cells.height * chart::kMaxCells);
    if (image.width() <= largest.width() && image.height() <= largest.height()) return QPixmap::fromImage(image);
    return QPixmap::fromImage(image.scaled(std::min(image.width(), largest.width()),
                                           std::min(image.height(), largest.height()), Qt::IgnoreAspectRatio,
                                           Qt::SmoothTransformation));
}

}  // namespace

void TForm1::Bt_PutClick() {
    if (!availabilityWatch_->clipboardHasPicture()) {
        ShowMessageBox(QStringLiteral("クリップボードは空です。原画をグラフィックソフトからコピーして下さい。"),
                       QStringLiteral("貼付け"));
        return;
    }
    platform::DecodedPicture picture =
        taken([] { return platform::takePicture(QGuiApplication::clipboard()->mimeData()); });
    // Nothing was taken, so the chart, the pen and the painting history all stay.
    if (!picture.message.empty()) {
        ShowMessageBox(clipboardRefusal(picture.problem), {});
        return;
    }
    showSourcePicture(std::move(picture.bitmap));
}

// Not while a chart is made or a workbook read, nor in a window that cannot work: without its usage
// record or its settings it shows no page to make a chart on.
bool TForm1::picturesWelcome() const { return PageControl1->isEnabled() && !PageControl1->isHidden(); }

void TForm1::openPictureFile(const QString& path) {
    if (!picturesWelcome()) return;
    platform::DecodedPicture picture = taken([&path] { return platform::loadPicture(localPath(path)); });
    if (!picture.message.empty()) {
        ShowMessageBox(fileRefusal(path, picture.problem), {});
        return;
    }
    pictureFolder_ = QFileInfo(path).absolutePath();
    showSourcePicture(std::move(picture.bitmap));
}

void TForm1::pop1openClick() {
    if (!picturesWelcome() || PageControl1->currentIndex() != chartTab) return;
    if (pictureFolder_.isEmpty()) pictureFolder_ = firstPictureFolder();
    const QString path = view::dialogs().openFileName(
        view::FileRequest{QStringLiteral("原画の画像ファイルを指定してください (Tessaly <画像ファイルを開く> )"), pictureFolder_,
                    kPictureFilter});
    if (!path.isEmpty()) openPictureFile(path);
}

void TForm1::showSourcePicture(platform::Bitmap picture) {
    document_.takePicture(std::move(picture));
    resetPen();
    pictureArea->forgetChartSize();
    view::PicturePanel* panel = pictureArea->panel();
    const QSize previous = panel->size();
    hideChart();
    const platform::Bitmap& source = document_.model().source;
    const view::CellSize cells = rulers->cellSize();
    panel->sourceLayer()->setPixmap(sourceView(source, cells));

    const view::AreaSize own = view::pasteAreaSize(source.width(), source.height(), cells.width, cells.height);
    panel->setAreaSize(Ck_BxP->isChecked() ? previous : QSize(own.width + panel->frame(), own.height + panel->frame()));
    panel->sourceLayer()->show();
    pictureArea->refreshSizeTexts();
    Ck_BxP->setEnabled(true);
    Ck_BxPClick();
    view::setHint(Bt_Clr, kClearSource);
    paintPanel(panel, Qt::black);
    pictureArea->refreshSizeTexts();
    refreshControls();
}

void TForm1::Bt_ClrClick() {
    view::PicturePanel* panel = pictureArea->panel();
    if (document_.clear()) {
        panel->sourceLayer()->show();
        hideChart();
        view::setHint(Bt_Clr, kClearSource);
        refreshControls();
        pictureArea->forgetChartSize();
    } else {
        panel->sourceLayer()->clear();
        panel->sourceLayer()->hide();
        paintPanel(panel, Qt::white);
        view::setHint(Bt_Clr, kClearAnything);
        refreshControls();
    }
    pictureArea->refreshSizeTexts();
}

void TForm1::Bt_copyClick() {
    if (!document_.hasChart()) {
        ShowMessageBox(QStringLiteral("図案がまだ作成されていません。"), QStringLiteral("コピー"));
        return;
    }
    QGuiApplication::clipboard()->setImage(Ck_BxC->isChecked()
                                               ? platform::imageFromBitmap(chart::iconBitmap(document_.model()))
                                               : pictureArea->panel()->chartLayer()->pixmap().toImage());
    refreshControls();
}

void TForm1::dragEnterEvent(QDragEnterEvent* event) {
    if (picturesWelcome() && !droppedPicture(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* event) {
    if (!picturesWelcome()) return;
    const QString path = droppedPicture(event->mimeData());
    if (path.isEmpty()) return;
    event->acceptProposedAction();
    openPictureFile(path);
}

}  // namespace app
