#include "app/main_window.h"

#include "app/availability_watch.h"
#include "app/file_messages.h"
#include "app/hint_handler.h"
#include "app/message_boxes.h"
#include "app/page_control.h"
#include "app/pen_reset.h"
#include "app/progress_dialog.h"
#include "app/screen_switch.h"
#include "app/status_line.h"
#include "app/usage_options.h"
#include "platform/date_time.h"
#include "platform/era_date.h"
#include "platform/text_codec.h"
#include "view/picture_area_view.h"
#include "view/picture_panel.h"
#include "view/rulers.h"
#include "view/widget_hint.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QShortcut>
#include <QTabBar>
#include <QTimer>

namespace app {
namespace {

constexpr const char* kCaption = "図案作成ツールTessaly(テサリー) ";
constexpr const char* kBrokenSystem = "*** システム環境が異常です ***";
constexpr const char* kBrokenSettings = "＊＊＊環境ファイルが異常です。＊＊＊";
constexpr int kVersion = 100;
// The program has no public page: the homepage button says so, unless the record file names one.
constexpr const char* kHomepage = "";
constexpr int kEndDelayMs = 4000;
constexpr int kFirstRunColumns = 150;
constexpr int kFirstRunRows = 130;
constexpr int kIconCells = 31;
constexpr int kScrollMargin = 8;

QString text(const std::string& s) { return QString::fromStdString(s); }

QString eraDate() {
    return text(platform::eraDateText(std::chrono::year_month_day(std::chrono::floor<std::chrono::days>(platform::localNow()))));
}

}  // namespace

TForm1::TForm1(const Startup& startup, QWidget* parent)
    : QWidget(parent), cfgFolder_(startup.cfgFolder), document_(startup.cfgFolder) {
    createControls();
    Form2 = new TForm2(this);
    FormCreate(startup);
    createCompanion(startup.cfgFolder);
}

// Start-up: its size, the usage record, the handlers, the rulers and picture area, the settings, then
// the first state of every control. A usage record that cannot be loaded stops it before anything is
// connected, and broken settings before any control is given its state.
void TForm1::FormCreate(const Startup& startup) {
    Timer_end1->stop();
    sizeToContents();

    usageRecord_.AppName = startup.appName;
    usageRecord_.Folder = startup.recordFolder;
    usageRecord_.Version = kVersion;
    usageRecord_.HomepageUrl = kHomepage;
    nameSavedOptions(usageRecord_);
    connect(Bt_End, &QPushButton::clicked, this, &TForm1::Bt_EndClick);
    Bt_End->installEventFilter(this);
    connect(Timer_end1, &QTimer::timeout, this, &TForm1::Timer_end1Timer);
    if (!companion::loadUsageRecord(usageRecord_)) {
        PageControl1->setEnabled(false);
        Bt_Oha->setEnabled(false);
        Bt_End->setFocus();
        setWindowTitle(QString::fromUtf8(kBrokenSystem));
        return;
    }
    showHelpCaption();

    new HintHandler(StatusBar1, [] { return eraDate(); }, this);
    watchAvailability();
    setHints();
    connectControls();
    showOptionBoxes();
    placePictureArea();

    const document::SystemLoad load = document_.start(readSavedOptions(usageRecord_));
    if (!document_.settingsUsable()) {
        setWindowTitle(QString::fromUtf8(kBrokenSettings));
        PageControl1->hide();
        showBrokenSettings(load);
        return;
    }
    showSettings(load);
    showFirstState();
}

// The window is as large as its contents, and never larger.
void TForm1::sizeToContents() {
    const QSize startSize(ScrollBox1->x() + ScrollBox1->width() + 4,
                          ScrollBox1->height() + StatusBar1->height() + 8);
    resize(startSize);
    setMaximumSize(startSize);
    Panel2->resize(startSize);
    StatusBar1->resize(startSize.width() - 6, StatusBar1->height());
    StatusBar1->setPanelText(StatusLine::datePanel, eraDate());
}

void TForm1::watchAvailability() {
    const auto item = [this](const char* name) { return PopupMenu1->findChild<QAction*>(name); };
    availabilityControls_ = AvailabilityControls{.Bt_Put = Bt_Put,
                                                 .Bt2_main = Bt2_main,
                                                 .Bt_copy = Bt_copy,
                                                 .Bt_Clr = Bt_Clr,
                                                 .Bt2_Excel = Bt2_Excel,
                                                 .Bt2_Pdf = Bt2_Pdf,
                                                 .pop1peast = item("pop1peast"),
                                                 .pop1open = item("pop1open"),
                                                 .pop1Copy = item("pop1Copy"),
                                                 .pop1clr = item("pop1clr"),
                                                 .pop1chg = item("pop1chg"),
                                                 .BitBtn1 = BitBtn1,
                                                 .BitBtn2 = BitBtn2,
                                                 .BitBtn3 = BitBtn3,
                                                 .BitBtn4 = BitBtn4};
    availabilityWatch_ = new AvailabilityWatch(
        [this](bool clipboardHasPicture) {
            flags_ = recomputeFlags(facts(clipboardHasPicture));
            followClipboard(availabilityControls_, flags_);
        },
        this);
}

void TForm1::connectControls() {
    connect(Ck_Bx1, &QCheckBox::clicked, this, &TForm1::Ck_Bx1Click);
    connect(Ck_Bx2, &QCheckBox::clicked, this, &TForm1::Ck_Bx2Click);
    connect(Ck_Bx3, &QCheckBox::clicked, this, &TForm1::Ck_Bx3Click);
    connect(Ck_BxP, &QCheckBox::clicked, this, &TForm1::Ck_BxPClick);
    connect(Ck_BxC, &QCheckBox::clicked, this, &TForm1::Ck_BxCClick);
    connect(Comb_code, &QComboBox::activated, this, &TForm1::Comb_codeChange);
    Comb_code->installEventFilter(this);
    connect(PopupMenu1->findChild<QAction*>("pop1chg"), &QAction::triggered, this, &TForm1::pop1chgClick);
    ScrollBox1->viewport()->installEventFilter(this);
    La_max->installEventFilter(this);
    PageControl1->tabBar()->setMouseTracking(true);
    PageControl1->tabBar()->installEventFilter(this);
    Panel2->installEventFilter(this);
    connect(PageControl1, &QTabWidget::currentChanged, this, &TForm1::PageControl1Change);
    connectActions();
    connectSizeDialog();
}

// The rulers fix the cell size; the picture area's first cell lies at their count 0.
void TForm1::placePictureArea() {
    const view::RulerReading reading = rulers->draw();
    if (!reading.refusal.empty()) ShowMessageBox(text(reading.refusal), {});
    pictureArea->setCellSize(reading.cells);
    pictureArea->move(rulers->pos() + rulers->zeroMark() - pictureArea->clientOffset());
    connect(pictureArea, &view::PictureAreaView::cellCountsChanged, rulers, &view::Rulers::showCellCounts);
    connect(pictureArea, &view::PictureAreaView::restoreAvailabilityChanged, Bt_c05, &QWidget::setEnabled);
    connect(pictureArea, &view::PictureAreaView::areaResized, this, &TForm1::fitScrolledArea);
    connect(Bt_c05, &QPushButton::clicked, pictureArea, &view::PictureAreaView::restoreSize);
}

// No picture, no chart, the first tab, and the chart size and paste option of the last run.
void TForm1::showFirstState() {
    view::PicturePanel* panel = pictureArea->panel();
    panel->sourceLayer()->hide();
    panel->chartLayer()->hide();
    panel->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(panel, &QWidget::customContextMenuRequested, this,
            [this, panel](QPoint at) { PopupMenu1->popup(panel->mapToGlobal(at)); });
    Ed_cnt1->clear();

    Ck_BxCClick();
    PageControl1->setCurrentIndex(0);
    resetPen();
    view::setHint(Bt_Clr, QStringLiteral("図案または原画をクリアします。|<クリア> 図案または原画をクリアします。"));

    const document::SavedOptions saved = document_.savedOptions();
    pictureArea->setFabric(document_.fabric());
    pictureArea->showCells(view::CellCounts{saved.columns.value_or(kFirstRunColumns), saved.rows.value_or(kFirstRunRows)});
    Bt_c05->setEnabled(pictureArea->canRestoreSize());
    fitScrolledArea();
    Ck_BxP->setChecked(saved.pasteAtChartSize);
    Ck_BxPClick();
    refreshControls();
}

// Without usable settings the window still shows its rulers and an empty picture area of the first
// run's size, without a size line: no fabric is known. What is wrong with the settings is told.
void TForm1::showBrokenSettings(const document::SystemLoad& load) {
    pictureArea->showCells(view::CellCounts{kFirstRunColumns, kFirstRunRows});
    pictureArea->hideSizeLine();
    fitScrolledArea();
    showSystemLoad(load);
}

// The systems of the settings with the one the run starts on, its choices, and what is wrong with
// its colour table, if anything.
void TForm1::showSettings(const document::SystemLoad& load) {
    Comb_code->clear();
    for (const std::string& name : document_.settings().systems.names) Comb_code->addItem(text(name));
    Comb_code->setCurrentIndex(Comb_code->findText(text(document_.chartSystem())));
    showSystem();
    showSystemLoad(load);
}

// A failure is told in the plain box, in the words users know. True when the system is in use.
bool TForm1::showSystemLoad(const document::SystemLoad& load) {
    if (load.loaded()) return true;
    showPlainMessage(text(load.unreadable ? cannotReadMessage(*load.unreadable) : load.message));
    return false;
}

// What the current colour-code system brings: its place in the list, the caption, the colour count
// and its limit, and the two options.
void TForm1::showSystem() {
    const palette::LoadedCodeSystem& system = document_.system();
    if (const int listed = Comb_code->findText(text(document_.currentSystem())); listed >= 0) {
        Comb_code->setCurrentIndex(listed);
    }
    showCaption();
    Sp_Ed1->setMaximum(system.settings.maxColours);
    Sp_Ed1->setValue(document_.choices().maxColours);
    showOptionBoxes();
}

void TForm1::showCaption() {
    setWindowTitle(QString::fromUtf8(kCaption) + text(document_.system().settings.title));
}

void TForm1::showOptionBoxes() {
    Ck_Bx1->setChecked(document_.choices().smoothing);
    Ck_Bx2->setChecked(document_.choices().boundary);
    Ck_Bx3->setChecked(document_.choices().appearance);
    Ck_Bx1Click();
    Ck_Bx2Click();
    Ck_Bx3Click();
}

void TForm1::Comb_codeChange() {
    // With no system current the controls keep what they show.
    if (showSystemLoad(document_.chooseSystem(Comb_code->currentText().toStdString()))) showSystem();
}

// The scroll box scrolls over the rulers, the picture area and the size line below it, however large
// the area is dragged.
void TForm1::fitScrolledArea() {
    QWidget* scrolled = ScrollBox1->widget();
    const QRect used = scrolled->childrenRect();
    scrolled->resize(std::max(used.right(), 0) + kScrollMargin, std::max(used.bottom(), 0) + kScrollMargin);
}

void TForm1::Comb_codeDblClick() {
    const QString name = Comb_code->currentText();
    if (!name.contains(QStringLiteral("ICON")) && !name.contains(QStringLiteral("アイコン"))) return;
    // Square cells make a square icon: both sides take the cell width.
    view::PicturePanel* panel = pictureArea->panel();
    const int side = panel->cellSize().width * kIconCells + panel->frame();
    panel->setAreaSize(QSize(side, side));
}

void TForm1::Ck_BxPClick() {
    hintByState(Ck_BxP,
                QStringLiteral("図案の大きさで貼付けます。|<同じ大きさON> ON：Tessalyの設定サイズで貼付けます。  "
                               "OFF：原画の大きさで貼付けます。"),
                QStringLiteral("原画の大きさで貼付けます。|<同じ大きさOFF> OFF：原画の大きさで貼付けます。"
                               "最大値を越える場合は、自動調整します。  ON：設定サイズで貼付けます。"));
    document_.setPasteAtChartSize(Ck_BxP->isChecked());
}

void TForm1::La_maxClick() { Sp_Ed1->setValue(Sp_Ed1->maximum()); }

// Each pop-up item runs exactly what its button runs; Ctrl+V and Ctrl+C paste and copy as in every
// desktop picture program, and a picture file dropped on the window or opened with Ctrl+O is pasted.
void TForm1::connectActions() {
    const auto item = [this](const char* name) { return PopupMenu1->findChild<QAction*>(name); };
    connect(Bt_Put, &QPushButton::clicked, this, &TForm1::Bt_PutClick);
    connect(item("pop1peast"), &QAction::triggered, this, &TForm1::Bt_PutClick);
    connect(item("pop1open"), &QAction::triggered, this, &TForm1::pop1openClick);
    addAction(item("pop1open"));  // its shortcut works while the menu is closed
    connect(Bt_Clr, &QPushButton::clicked, this, &TForm1::Bt_ClrClick);
    connect(item("pop1clr"), &QAction::triggered, this, &TForm1::Bt_ClrClick);
    connect(Bt_copy, &QPushButton::clicked, this, &TForm1::Bt_copyClick);
    connect(item("pop1Copy"), &QAction::triggered, this, &TForm1::Bt_copyClick);
    connect(Bt2_main, &QPushButton::clicked, this, &TForm1::Bt2_mainClick);
    connect(Bt2_Excel, &QPushButton::clicked, this, &TForm1::Bt2_ExcelClick);
    connect(Bt2_Excel_in, &QPushButton::clicked, this, &TForm1::Bt2_Excel_inClick);
    connect(Bt2_Pdf, &QPushButton::clicked, this, &TForm1::Bt2_PdfClick);
    connect(BitBtn3, &QPushButton::clicked, this, &TForm1::BitBtn3Click);
    connect(BitBtn4, &QPushButton::clicked, this, &TForm1::BitBtn4Click);
    connect(new QShortcut(QKeySequence::Paste, this), &QShortcut::activated, this, [this] {
        if (PageControl1->isEnabled() && PageControl1->currentIndex() == chartTab) Bt_PutClick();
    });
    connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this, [this] {
        if (PageControl1->isEnabled() && PageControl1->currentIndex() == chartTab) Bt_copyClick();
    });
    pictureArea->panel()->installEventFilter(this);
    setAcceptDrops(true);
}

void TForm1::resetPen() { showNoPen(Memo3, BitBtn1); }

AvailabilityFacts TForm1::facts(bool clipboardHasPicture) const {
    const edit::EditSession& editing = document_.editing();
    return AvailabilityFacts{clipboardHasPicture,
                             document_.hasPicture(),
                             document_.hasChart(),
                             !pictureArea->panel()->chartLayer()->isHidden(),
                             PageControl1->currentIndex(),
                             editing.penIndex,
                             editing.history.canUndo(),
                             editing.history.canRedo()};
}

void TForm1::refreshControls() {
    if (!availabilityWatch_) return;
    flags_ = recomputeFlags(facts(availabilityWatch_->clipboardHasPicture()));
    app::refreshControls(availabilityControls_, flags_);
}

void TForm1::pop1chgClick() {
    const view::PicturePanel* panel = pictureArea->panel();
    flags_ = recomputeFlags(facts(availabilityWatch_->clipboardHasPicture()));
    switchScreen(panel->sourceLayer(), panel->chartLayer(), flags_);
    refreshControls();
}

void TForm1::PageControl1MouseMove(QPoint at) {
    const int tab = PageControl1->tabBar()->tabAt(at);
    if (tab < 0) return;
    view::setHint(PageControl1->tabBar(),
                  tab == 0 ? QStringLiteral("図案作成を設定します。|<図案> 図案作成の各種オプションを設定します。")
                           : QStringLiteral("図案を修正します。|<色塗り> 図案にマウスで色を塗り、図案を手直します。"));
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    const auto* mouse = dynamic_cast<QMouseEvent*>(event);
    if (watched == Bt_End && event->type() == QEvent::MouseButtonPress) {
        Bt_EndMouseDown(mouse->modifiers());
    } else if (watched == La_max && event->type() == QEvent::MouseButtonRelease) {
        La_maxClick();
    } else if (watched == Comb_code && event->type() == QEvent::MouseButtonDblClick) {
        Comb_codeDblClick();
    } else if (watched == PageControl1->tabBar() && event->type() == QEvent::MouseMove) {
        PageControl1MouseMove(mouse->position().toPoint());
    } else if (watched == pictureArea->panel() &&
               (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)) {
        Panel1MouseDown(*mouse);
    } else if (watched == ScrollBox1->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        pop1chgClick();
    } else if (watched == Panel2 && event->type() == QEvent::Enter) {
        view::setHint(PageControl1->tabBar(), {});
    }
    return QWidget::eventFilter(watched, event);
}

void TForm1::Bt_EndClick() {
    if (closeMode_ != 0) return;  // SHIFT on the button has closed the window already
    Timer_end1->setInterval(kEndDelayMs);
    Timer_end1->start();
    sayFarewell();  // the companion's goodbye fills these seconds
    hide();
}

void TForm1::Bt_EndMouseDown(Qt::KeyboardModifiers modifiers) {
    if (!(modifiers & Qt::ShiftModifier) || (modifiers & Qt::ControlModifier)) return;
    closeMode_ = 1;
    close();
}

void TForm1::closeEvent(QCloseEvent* event) {
    FormCloseQuery();
    event->accept();
}

void TForm1::FormCloseQuery() {
    Timer_end1->stop();
    std::string problem;
    if (closeMode_ != 0) {
        problem = companion::saveUsageRecord(usageRecord_, companion::SaveMode::ForgetOptions);
    } else {
        writeSavedOptions(document_.savedOptions(), document_.chartMade(), usageRecord_);
        problem = companion::saveUsageRecord(usageRecord_, companion::SaveMode::Normal);
    }
    // Said once, at the end: the program ran all the same, only this run's choices are not kept.
    if (!problem.empty()) {
        ShowMessageBox(QStringLiteral("設定を保存できませんでした。次回は今回の設定が使われません。\n") + text(problem), {});
    }
}

}  // namespace app
