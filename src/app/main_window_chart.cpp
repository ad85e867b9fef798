// "図案作成": the pasted picture made into a chart through the same engine call as the command line,
// with the window locked, the stages told in the status line and the window kept painted meanwhile.

#include "app/main_window.h"

#include "app/message_boxes.h"
#include "app/page_control.h"
#include "app/status_line.h"
#include "chart/code_painting.h"
#include "platform/qimage_bitmap.h"
#include "view/picture_area_view.h"
#include "view/picture_panel.h"
#include "view/rulers.h"
#include "view/widget_hint.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>

namespace app {
namespace {

const char* stageText(chart::ChartStage stage) {
    switch (stage) {
    case chart::ChartStage::Sampling:
    case chart::ChartStage::CubeCodes:
        return ">>> モザイク化処理中";
    case chart::ChartStage::Reduction:
        return ">>> 最適化中";
    case chart::ChartStage::CodeColours:
        break;
    }
    return ">>> コード色変換中";
}

}  // namespace

// The window is locked while a chart is made and always unlocked afterwards, whatever happened.
class TForm1::ChartRun {
public:
    explicit ChartRun(TForm1& window) : window_(window), caption_(window.windowTitle()) {
        for (QWidget* locked : lockedControls()) locked->setEnabled(false);
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~ChartRun() {
        window_.setWindowTitle(caption_);
        for (QWidget* locked : lockedControls()) locked->setEnabled(true);
        QApplication::restoreOverrideCursor();
    }
    ChartRun(const ChartRun&) = delete;
    ChartRun& operator=(const ChartRun&) = delete;

    // Tells the stage and lets the window repaint; the locked controls keep the user's input out.
    void show(chart::ChartStage stage) {
        window_.StatusBar1->setPanelText(StatusLine::hintPanel, QString::fromUtf8(stageText(stage)));
        window_.setWindowTitle(stage == chart::ChartStage::CubeCodes
                                   ? caption_ + QStringLiteral("***((色テーブル初期化中))***")
                                   : caption_);
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }

private:
    std::vector<QWidget*> lockedControls() const {
        return {window_.PageControl1, static_cast<QWidget*>(window_.pictureArea->panel()), window_.ScrollBox1};
    }

    TForm1& window_;
    QString caption_;
};

void TForm1::Bt2_mainClick() {
    if (!PageControl1->isEnabled()) return;  // a chart is being made
    if (!document_.hasPicture()) {
        ShowMessageBox(QStringLiteral("原画がありません。原画を貼付てください。"), Bt2_main->text());
        return;
    }
    ++usageRecord_.ChartsMade;
    Ed_cnt1->clear();
    view::setHint(Bt_Clr, QStringLiteral("図案をクリアします。|<クリア> 図案をクリアし、原画を表示します。"));

    chart::ChartOutcome outcome;
    {
        ChartRun run(*this);
        view::PicturePanel* panel = pictureArea->panel();
        chart::ChartChoices choices = document_.choices();
        choices.maxColours = Sp_Ed1->value();
        choices.smoothing = Ck_Bx1->isChecked();
        choices.boundary = Ck_Bx2->isChecked();
        choices.appearance = Ck_Bx3->isChecked();
        const document::ChartRequest request{{panel->width() - panel->frame(), panel->height() - panel->frame()},
                                             rulers->cellSize(), choices};
        outcome = document_.makeChart(request, [&run](chart::ChartStage stage) { run.show(stage); });
        if (outcome.message.empty()) {
            const view::AreaSize chartPanel = *document_.chartPanel();
            panel->setAreaSize(QSize(chartPanel.width, chartPanel.height));
            showChart();
            pictureArea->recordChartSize();
            resetPen();
            Ed_cnt1->setText(QString::number(document_.resultColours()));
        } else {
            hideChart();
        }
        const bool charted = outcome.message.empty() && outcome.reduction.success;
        Bt2_Excel->setEnabled(charted);
        Bt2_Pdf->setEnabled(charted);
        StatusBar1->setPanelText(StatusLine::hintPanel, QStringLiteral(">>> 図案作成完 <<<"));
    }
    showGreetingTitle();
    showCaption();
    if (!outcome.message.empty()) {
        ShowMessageBox(QString::fromStdString(outcome.message), Bt2_main->text());
    } else if (!outcome.reduction.success) {
        ShowMessageBox(QStringLiteral("減色できませんでした"), {});
    }
    refreshControls();
}

// The chart image shows the chart picture stretched over the picture area, over the source picture.
void TForm1::showChart() {
    view::ChartLayer* chartImage = pictureArea->panel()->chartLayer();
    chartImage->setPixmap(QPixmap::fromImage(platform::imageFromBitmap(chart::chartBitmap(document_.model()))));
    chartImage->show();
}

void TForm1::hideChart() {
    view::ChartLayer* chartImage = pictureArea->panel()->chartLayer();
    chartImage->clear();
    chartImage->hide();
}

}  // namespace app
