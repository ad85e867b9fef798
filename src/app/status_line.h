#pragma once

#include <QFrame>

class QLabel;

namespace app {

// The window's status line: panel 0 on the left for hints and progress texts, panel 1 on the
// right, 150 pixels wide, for the date.
class StatusLine : public QFrame {
public:
    static constexpr int hintPanel = 0;
    static constexpr int datePanel = 1;

    explicit StatusLine(QWidget* parent);

    void setPanelText(int panel, const QString& text);
    QString panelText(int panel) const;

private:
    QLabel* panels_[2];
};

}  // namespace app
