// The companion window beside the main window: the help button greets, the end button says goodbye,
// and the help button's caption names the greeting the user would hear next.

#include "app/main_window.h"

#include "companion/companion_window.h"
#include "companion/greetings.h"

#include <QPushButton>

namespace app {

void TForm1::createCompanion(const std::string& cfgFolder) {
    Oha_form = new companion::TOha_form(cfgFolder, this);
    connect(Bt_Oha, &QPushButton::clicked, this, &TForm1::Bt_OhaClick);
}

void TForm1::Bt_OhaClick() {
    Oha_form->showCompanion(usageRecord_, {});
    Bt_Oha->setText(QString::fromStdString(usageRecord_.GreetingTitle));
}

void TForm1::showGreetingTitle() {
    companion::refreshGreetingTitle(usageRecord_);
    Bt_Oha->setText(QString::fromStdString(usageRecord_.GreetingTitle));
}

void TForm1::sayFarewell() { Oha_form->showCompanion(usageRecord_, "end"); }

}  // namespace app
