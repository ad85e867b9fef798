#include "app/status_line.h"

#include <QHBoxLayout>
#include <QLabel>

namespace app {

StatusLine::StatusLine(QWidget* parent) : QFrame(parent) {
    setFixedHeight(17);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 0, 2, 0);
    layout->setSpacing(2);
    for (QLabel*& panel : panels_) {
        panel = new QLabel(this);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
    }
    panels_[datePanel]->setFixedWidth(150);
    panels_[datePanel]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    layout->addWidget(panels_[hintPanel], 1);
    layout->addWidget(panels_[datePanel]);
}

void StatusLine::setPanelText(int panel, const QString& text) {
    panels_[panel]->setText(text);
}

QString StatusLine::panelText(int panel) const {
    return panels_[panel]->text();
}

}  // namespace app
