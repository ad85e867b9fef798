#pragma once

#include "app/availability.h"
#include "app/availability_controls.h"
#include "companion/usage_record.h"
#include "document/chart_document.h"

#include <QWidget>

#include <optional>
#include <string>

class QCheckBox;
class QDragEnterEvent;
class QDropEvent;
class QMouseEvent;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QSpinBox;
class QTimer;

namespace companion {
class TOha_form;
}  // namespace companion

namespace view {
class PictureAreaView;
class Rulers;
}  // namespace view

namespace app {

class AvailabilityWatch;
class TForm2;
class PageControl;
class StatusLine;
class TF_size;

void hintByState(QCheckBox* box, const QString& checked, const QString& unchecked);

// Where the window finds what it needs from outside, so that tests can start it on a copy of the
// shipped data and a usage record of their own.
struct Startup {
    std::string cfgFolder;     // the shipped settings file and colour tables
    std::string recordFolder;  // where the usage record lives
    std::string appName;       // the program file's name up to its first '.'
};

// The main window over the chart document, with the usage record; its handlers gather what the
// controls say, call one of the document's operations and show the result. Controls keep the names
// users and documents know them by, as member names and object names.
class TForm1 : public QWidget {
    Q_OBJECT

public:
    explicit TForm1(const Startup& startup, QWidget* parent = nullptr);

    const companion::UsageRecord& usageRecord() const { return usageRecord_; }
    const document::ChartDocument& document() const { return document_; }

    // Recomputes the availability flags and sets every control from them.
    void refreshControls();

    // Takes a picture file, dropped, opened from the menu or named on the command line, as a paste
    // takes the clipboard's picture; says which file and why when it cannot be taken.
    void openPictureFile(const QString& path);
    void Bt_PutClick();
    void Bt_ClrClick();
    void Bt_copyClick();
    void Bt2_mainClick();
    void BitBtn3Click();
    void BitBtn4Click();
    void Bt2_ExcelClick();
    void Bt2_Excel_inClick();
    void Bt2_PdfClick();
    void Bt_OhaClick();

    QWidget* Panel2 = nullptr;
    StatusLine* StatusBar1 = nullptr;
    QPushButton* Bt_Oha = nullptr;
    QPushButton* Bt_c05 = nullptr;
    PageControl* PageControl1 = nullptr;
    QWidget* TabSheet1 = nullptr;
    QWidget* TabSheet2 = nullptr;
    QLabel* La_code = nullptr;
    QComboBox* Comb_code = nullptr;
    QPushButton* Bt2_main = nullptr;
    QCheckBox* Ck_Bx1 = nullptr;
    QCheckBox* Ck_Bx2 = nullptr;
    QCheckBox* Ck_Bx3 = nullptr;
    QLabel* La_max = nullptr;
    QSpinBox* Sp_Ed1 = nullptr;
    QLabel* La_result = nullptr;
    QLineEdit* Ed_cnt1 = nullptr;
    QWidget* Panel4 = nullptr;
    QPushButton* Bt_Put = nullptr;
    QCheckBox* Ck_BxP = nullptr;
    QPushButton* Bt_copy = nullptr;
    QCheckBox* Ck_BxC = nullptr;
    QPushButton* Bt_Clr = nullptr;
    QPushButton* Bt2_Excel = nullptr;
    QPushButton* Bt2_Excel_in = nullptr;
    QPushButton* Bt2_Pdf = nullptr;
    QPlainTextEdit* Memo3 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QPushButton* BitBtn3 = nullptr;
    QPushButton* BitBtn4 = nullptr;
    QPushButton* Bt_End = nullptr;
    QScrollArea* ScrollBox1 = nullptr;
    view::Rulers* rulers = nullptr;
    view::PictureAreaView* pictureArea = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QTimer* Timer_end1 = nullptr;
    TForm2* Form2 = nullptr;  // the progress of workbook export and import
    companion::TOha_form* Oha_form = nullptr;
    TF_size* F_size = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    class ChartRun;
    class WorkbookRun;

    void createControls();
    void setHints();
    void FormCreate(const Startup& startup);
    void sizeToContents();
    void watchAvailability();
    void connectControls();
    void placePictureArea();
    void showFirstState();
    void showBrokenSettings(const document::SystemLoad& load);
    void showSettings(const document::SystemLoad& load);
    bool showSystemLoad(const document::SystemLoad& load);
    void showSystem();
    void showCaption();
    void showOptionBoxes();
    void fitScrolledArea();
    AvailabilityFacts facts(bool clipboardHasPicture) const;

    void Comb_codeChange();
    void Comb_codeDblClick();
    void Ck_Bx1Click();
    void Ck_Bx2Click();
    void Ck_Bx3Click();
    void Ck_BxPClick();
    void Ck_BxCClick();
    void La_maxClick();
    void pop1chgClick();
    void pop1openClick();
    bool picturesWelcome() const;
    void showSourcePicture(platform::Bitmap picture);
    void Bt_EndClick();
    void Timer_end1Timer();
    void createCompanion(const std::string& cfgFolder);
    void showGreetingTitle();
    void showHelpCaption();
    void sayFarewell();
    void Bt_EndMouseDown(Qt::KeyboardModifiers modifiers);
    void PageControl1MouseMove(QPoint at);
    void FormCloseQuery();
    void showChart();
    void hideChart();
    void connectActions();
    void connectSizeDialog();
    void showSizeDialog(int focus);
    void resetPen();
    bool paintingOnChart() const;
    void Panel1MouseDown(const QMouseEvent& event);
    void pickPen(edit::CellPosition cell);
    void showEdit(std::optional<edit::CellPosition> changed);
    void PageControl1Change(int index);
    bool enterPaintingTab();
    void leavePaintingTab();
    QString workbookFolder();
    std::string startFolderProblem() const;
    std::string ExportChartToExcel();
    std::string ImportChartFromExcel();
    void showWorkbookChart();

    std::string cfgFolder_;
    // Tessaly.ini is read once, as the document is made; a change of system reads only its table.
    document::ChartDocument document_;
    companion::UsageRecord usageRecord_;
    int closeMode_ = 0;
    QString pictureFolder_;  // where the file dialog last found a picture
    QString savedTitle_;  // the caption kept while the painting tab shows its own
    int activeTab_ = chartTab;
    AvailabilityControls availabilityControls_;
    AvailabilityFlags flags_;
    AvailabilityWatch* availabilityWatch_ = nullptr;
};

}  // namespace app
