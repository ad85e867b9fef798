#include "app/size_dialog.h"

#include "view/colours.h"
#include "app/message_boxes.h"
#include "app/size_dialog_pictures.h"
#include "app/size_dialog_rules.h"
#include "app/window_look.h"
#include "view/placed_control.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace app {
namespace {

constexpr int kSizeTextLength = 6;

QString text(const std::string& s) { return QString::fromStdString(s); }

QString countSizeText(double countSize) { return text(palette::formatCountSize(countSize)); }

QLabel* caption(QWidget* parent, const QString& words, QRect geometry) {
    auto* label = new QLabel(words, parent);
    label->setGeometry(geometry);
    return label;
}

QSpinBox* cellSpin(QWidget* parent, const char* name, const QString& accessibleName, QRect geometry) {
    auto* spin = view::placeControl<QSpinBox>(parent, name, accessibleName, geometry);
    spin->setRange(kFewestDialogCells, kMostDialogCells);
    return spin;
}

// A cream panel that shows one of the stitched lengths.
QLabel* lengthPanel(QWidget* parent, const char* name, QRect geometry) {
    auto* panel = view::placeControl<QLabel>(parent, name, {}, geometry);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setAlignment(Qt::AlignCenter);
    panel->setWordWrap(true);
    panel->setAutoFillBackground(true);
    paintBackground(panel, view::cream);
    return panel;
}

}  // namespace

TF_size::TF_size(std::vector<palette::Fabric> fabrics, QWidget* parent)
    : QDialog(parent), fabrics_(std::move(fabrics)) {
    createControls();
    for (const palette::Fabric& fabric : fabrics_) Comb1->addItem(text(fabric.name));

    connect(SEdit1, &QSpinBox::textChanged, this, [this] { updateTexts(false); });
    connect(SEdit2, &QSpinBox::textChanged, this, [this] { updateTexts(false); });
    connect(SEdit1, &QSpinBox::editingFinished, this, [this] { updateTexts(true); });
    connect(SEdit2, &QSpinBox::editingFinished, this, [this] { updateTexts(true); });
    connect(SEdit1mm, &QSpinBox::valueChanged, this, &TF_size::SEdit1mmChange);
    // Both ENTER and leaving the edit commit a typed size.
    connect(Edit1, &QLineEdit::editingFinished, this, &TF_size::Edit1Commit);
    connect(Comb1, &QComboBox::activated, this, &TF_size::Comb1Change);
    connect(OK, &QPushButton::clicked, this, &TF_size::OKClick);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}

void TF_size::createControls() {
    setObjectName("TF_size");
    setWindowTitle(QStringLiteral("サイズ・カウント変更"));
    setAccessibleName(windowTitle());
    setFont(windowFont());
    setFixedSize(293, 304);
    setAutoFillBackground(true);
    paintBackground(this, view::teal);
    // Moves over the bare background commit what was typed, as leaving the edits would.
    setMouseTracking(true);

    Panel1 = lengthPanel(this, "Panel1", QRect(92, 8, 192, 26));
    Panel2 = lengthPanel(this, "Panel2", QRect(8, 40, 80, 148));

    auto* Panel5 = view::placeControl<QFrame>(this, "Panel5", {}, QRect(92, 40, 192, 148));
    Panel5->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel5->setAutoFillBackground(true);
    paintBackground(Panel5, view::moneyGreen);
    caption(Panel5, QStringLiteral("1  ←                    →"), QRect(6, 6, 104, 16));
    SEdit1 = cellSpin(Panel5, "SEdit1", QStringLiteral("横 ｶｳﾝﾄ"), QRect(112, 3, 48, 22));
    caption(Panel5, QStringLiteral("ｶｳﾝﾄ"), QRect(163, 6, 28, 16));
    caption(Panel5, QStringLiteral("1"), QRect(9, 30, 10, 14));
    caption(Panel5, QStringLiteral("↑"), QRect(6, 46, 14, 14));
    caption(Panel5, QStringLiteral("↓"), QRect(6, 100, 14, 14));
    auto* Panel3 = view::placeControl<QFrame>(Panel5, "Panel3", {}, QRect(22, 28, 164, 90));
    Panel3->setFrameStyle(QFrame::Box | QFrame::Plain);
    auto* Image1 = view::placeControl<QLabel>(Panel3, "Image1", {}, Panel3->contentsRect());
    Image1->setPixmap(chartIllustration(Image1->size()));
    SEdit2 = cellSpin(Panel5, "SEdit2", QStringLiteral("縦 ｶｳﾝﾄ"), QRect(4, 121, 48, 22));
    caption(Panel5, QStringLiteral("ｶｳﾝﾄ"), QRect(55, 124, 28, 16));

    auto* Shape2 = view::placeControl<QFrame>(this, "Shape2", {}, QRect(8, 200, 14, 14));
    Shape2->setFrameStyle(QFrame::Box | QFrame::Plain);
    Shape2->setAutoFillBackground(true);
    paintBackground(Shape2, Qt::white);
    QLabel* countCaption = caption(this, QStringLiteral("１ カウント"), QRect(28, 199, 64, 16));
    Edit1 = view::placeControl<QLineEdit>(this, "Edit1", {}, QRect(96, 196, 64, 22));
    Edit1->setMaxLength(kSizeTextLength);
    Edit1->setAccessibleName(countCaption->text());
    SEdit1mm = view::placeControl<QSpinBox>(this, "SEdit1mm", countCaption->text(), QRect(162, 196, 18, 22));
    SEdit1mm->setRange(kFewestHundredths, kMostHundredths);
    L1mm = view::placeControl<QLabel>(this, "L1mm", {}, QRect(186, 199, 30, 16));

    auto* Image2 = view::placeControl<QLabel>(this, "Image2", {}, QRect(8, 232, 14, 14));
    Image2->setPixmap(clothIcon(14));
    QLabel* fabricCaption = caption(this, QStringLiteral("カウント名称"), QRect(28, 231, 66, 16));
    Comb1 = view::placeControl<QComboBox>(this, "Comb1", fabricCaption->text(), QRect(96, 228, 188, 22));

    // Words straight on the teal face are light so that they stand out from it.
    for (QLabel* onTeal : {countCaption, L1mm, fabricCaption}) setTextColour(onTeal, view::cream);

    OK = view::placeControl<QPushButton>(this, "OK", QStringLiteral("OK"), QRect(112, 266, 80, 28));
    Button2 = view::placeControl<QPushButton>(this, "Button2", QStringLiteral("キャンセル"), QRect(204, 266, 80, 28));
    // ENTER commits a typed size or cell number; it does not close the dialog under the user. On a
    // button that has the focus it presses that button, as the space bar does.
    for (QPushButton* button : {OK, Button2}) {
        button->setAutoDefault(false);
        button->installEventFilter(this);
    }
}

bool TF_size::FormShow(int focus, view::CellCounts cells, const palette::FabricChoice& current) {
    if (cells.across < kFewestDialogCells || cells.down < kFewestDialogCells) {
        ShowMessageBox(QStringLiteral("キャンバスサイズが不正です"), {});
        return false;
    }
    // The edited fabric starts again from the current one before any handler reads it, and the list
    // shows the current fabric: a fabric chosen in an opening that was cancelled must not come back
    // with the next OK.
    working_ = current.fabric;
    openingIndex_ = current.index;
    Comb1->setCurrentIndex(current.index < Comb1->count() ? current.index : -1);
    SEdit1->setValue(cells.across);
    SEdit2->setValue(cells.down);
    SEdit1mm->setValue(countSizeHundredths(working_.countSize));
    Edit1->setText(countSizeText(working_.countSize));
    QWidget* first = focus == 2 ? static_cast<QWidget*>(SEdit2) : focus == 1 ? static_cast<QWidget*>(SEdit1) : OK;
    first->setFocus();
    updateTexts(false);
    return true;
}

view::CellCounts TF_size::chosenCells() const { return view::CellCounts{SEdit1->value(), SEdit2->value()}; }

palette::FabricChoice TF_size::chosenFabric() const {
    palette::FabricChoice chosen{Comb1->currentIndex() >= 0 ? Comb1->currentIndex() : openingIndex_, working_};
    chosen.fabric.name = Comb1->currentText().toStdString();
    return chosen;
}

void TF_size::mouseMoveEvent(QMouseEvent*) {
    Edit1Commit();
    updateTexts(true);
}

bool TF_size::eventFilter(QObject* watched, QEvent* event) {
    auto* button = qobject_cast<QPushButton*>(watched);
    if (button && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            button->click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TF_size::SEdit1mmChange() {
    if (SEdit1mm->value() == countSizeHundredths(working_.countSize)) return;
    working_.countSize = SEdit1mm->value() / 100.0;
    Edit1->setText(countSizeText(working_.countSize));
    const int fabric = fabricForSize(fabrics_, working_.countSize, working_.unit);
    if (fabric >= 0) Comb1->setCurrentIndex(fabric);
    updateTexts(false);
}

void TF_size::Edit1Commit() {
    if (const std::optional<int> hundredths = typedCountSize(Edit1->text().toStdString())) {
        SEdit1mm->setValue(*hundredths);
    }
    // A text that is no number is put back as the spin edit has it.
    working_.countSize = SEdit1mm->value() / 100.0;
    Edit1->setText(countSizeText(working_.countSize));
    updateTexts(false);
}

void TF_size::Comb1Change(int index) {
    if (index < 0 || index >= static_cast<int>(fabrics_.size())) return;
    working_ = withFabricEntry(working_, fabrics_[static_cast<std::size_t>(index)]);
    SEdit1mm->setValue(countSizeHundredths(working_.countSize));
    Edit1->setText(countSizeText(working_.countSize));
    updateTexts(false);
}

int TF_size::cellsOf(QSpinBox* edit, bool force) {
    const CellEntry entry = readCellEntry(edit->cleanText().toStdString(), force);
    if (entry.correction) edit->setValue(*entry.correction);
    return entry.cells;
}

void TF_size::updateTexts(bool force) {
    const int across = cellsOf(SEdit1, force);
    const int down = cellsOf(SEdit2, force);
    view::setCaption(Panel1, text(widthText(across, working_)));
    view::setCaption(Panel2, text(heightText(down, working_)));
    view::setCaption(L1mm, text(working_.unit));
}

void TF_size::OKClick() {
    for (QSpinBox* cells : {SEdit1, SEdit2}) {
        if (!cells->hasAcceptableInput()) {
            cells->setFocus();
            return;
        }
    }
    accept();
}

}  // namespace app
