// The companion window beside the main window: the help button greets, the end button says goodbye,
// and the help button's caption names the greeting the user would hear next.

#include "app/main_window.h"

#include "companion/companion_window.h"
#include "companion/greetings.h"
#include "view/placed_control.h"

#include <QCoreApplication>
#include <QPushButton>

namespace app {

void TForm1::createCompanion(const std::string& cfgFolder) {
    Oha_form = new companion::TOha_form(cfgFolder, this);
    connect(Bt_Oha, &QPushButton::clicked, this, &TForm1::Bt_OhaClick);
}

void TForm1::Bt_OhaClick() {
    Oha_form->showCompanion(usageRecord_, {});
    showHelpCaption();
}

void TForm1::showGreetingTitle() {
    companion::refreshGreetingTitle(usageRecord_);
    showHelpCaption();
}

void TForm1::showHelpCaption() { view::setCaption(Bt_Oha, QString::fromStdString(usageRecord_.GreetingTitle)); }

void TForm1::sayFarewell() { Oha_form->showCompanion(usageRecord_, "end"); }

// The window has been hidden since the farewell began, and closing a hidden window does not end the
// program by itself: the tick takes the farewell away, runs the close query and ends the program.
void TForm1::Timer_end1Timer() {
    Oha_form->close();
    close();
    QCoreApplication::quit();
}

}  // namespace app
