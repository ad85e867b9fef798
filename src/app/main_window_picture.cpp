// Pictures in and charts out: paste from the clipboard or a dropped file, clear in two stages, copy.

#include "app/main_window.h"

#include "app/availability_watch.h"
#include "app/message_boxes.h"
#include "app/page_control.h"
#include "app/pen_reset.h"
#include "chart/code_painting.h"
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
#include <QDropEvent>
#include <QImageReader>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>

namespace app {
namespace {

const QString kClearSource = QStringLiteral("原画をクリアします。|<クリア> 原画をクリアします。");
const QString kClearAnything = QStringLiteral("図案または原画をクリアします。|<クリア> 図案または原画をクリアします。");

void paintPanel(QWidget* panel, const QColor& colour) {
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, colour);
    panel->setPalette(palette);
}

// The first local file of a drop that Qt can read as a picture.
QString droppedPicture(const QMimeData* data) {
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile() && !QImageReader::imageFormat(url.toLocalFile()).isEmpty()) return url.toLocalFile();
    }
    return {};
}

}  // namespace

void TForm1::Bt_PutClick() {
    if (!availabilityWatch_->clipboardHasPicture()) {
        ShowMessageBox(QStringLiteral("クリップボードは空です。原画をグラフィックソフトからコピーして下さい。"),
                       QStringLiteral("貼付け"));
        return;
    }
    pastePicture(QGuiApplication::clipboard()->image());
}

void TForm1::pastePicture(const QImage& image) {
    resetPen();
    if (!image.isNull()) {
        platform::Bitmap picture = platform::bitmapFromImage(image);
        if (picture.empty()) {
            ShowMessageBox(QStringLiteral("クリップボードからの貼付けに失敗しました"), {});
            return;
        }
        // Only a picture actually taken ends the chart: an empty clipboard leaves it whole.
        pictureArea->forgetChartSize();
        view::PicturePanel* panel = pictureArea->panel();
        const QSize previous = panel->size();
        QLabel* chartImage = panel->chartLayer();
        chartImage->clear();
        chartImage->hide();
        model_.source = std::move(picture);
        panel->sourceLayer()->setPixmap(QPixmap::fromImage(image));

        const view::CellSize cells = rulers->cellSize();
        const view::AreaSize own = view::pasteAreaSize(image.width(), image.height(), cells.width, cells.height);
        panel->setAreaSize(Ck_BxP->isChecked() ? previous : QSize(own.width + panel->frame(), own.height + panel->frame()));
        panel->sourceLayer()->show();
        pictureArea->refreshSizeTexts();
        Ck_BxP->setEnabled(true);
        Ck_BxPClick();
        view::setHint(Bt_Clr, kClearSource);
        paintPanel(panel, Qt::black);
    }
    pictureArea->refreshSizeTexts();
    refreshControls();
}

void TForm1::Bt_ClrClick() {
    view::PicturePanel* panel = pictureArea->panel();
    QLabel* source = panel->sourceLayer();
    QLabel* chartImage = panel->chartLayer();
    if (!chartImage->pixmap().isNull()) {
        source->show();
        chartImage->clear();
        chartImage->hide();
        view::setHint(Bt_Clr, kClearSource);
        refreshControls();
        pictureArea->forgetChartSize();
    } else {
        source->clear();
        source->hide();
        model_.source = platform::Bitmap();
        paintPanel(panel, Qt::white);
        view::setHint(Bt_Clr, kClearAnything);
        refreshControls();
    }
    pictureArea->refreshSizeTexts();
}

void TForm1::Bt_copyClick() {
    const QLabel* chartImage = pictureArea->panel()->chartLayer();
    if (chartImage->pixmap().isNull()) {
        ShowMessageBox(QStringLiteral("図案がまだ作成されていません。"), QStringLiteral("コピー"));
        return;
    }
    QGuiApplication::clipboard()->setImage(
        Ck_BxC->isChecked() ? platform::imageFromBitmap(chart::iconBitmap(model_)) : chartImage->pixmap().toImage());
    refreshControls();
}

void TForm1::dragEnterEvent(QDragEnterEvent* event) {
    if (PageControl1->isEnabled() && !droppedPicture(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* event) {
    const QString path = droppedPicture(event->mimeData());
    if (path.isEmpty() || !PageControl1->isEnabled()) return;
    event->acceptProposedAction();
    const QImage image = QImageReader(path).read();
    if (image.isNull()) {
        ShowMessageBox(QStringLiteral("クリップボードからの貼付けに失敗しました"), {});
        return;
    }
    pastePicture(image);
}

}  // namespace app
