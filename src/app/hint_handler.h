#pragma once

#include <QObject>

#include <functional>

namespace app {

class StatusLine;

// The program's hint handler: whenever the hint under the mouse changes (a widget's status tip on
// entering and leaving it), the status line shows its long part in panel 0 and today's date in
// panel 1, so the date is right even in a window left open past midnight.
class HintHandler : public QObject {
public:
    using DateText = std::function<QString()>;

    // Watches the whole application from now until it is destroyed.
    HintHandler(StatusLine* statusLine, DateText dateText, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    StatusLine* statusLine_;
    DateText dateText_;
};

}  // namespace app
