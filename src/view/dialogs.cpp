#include "view/dialogs.h"

#include "view/qt_dialogs.h"

namespace view {

namespace {

Dialogs* installed = nullptr;

}  // namespace

Dialogs& dialogs() {
    if (installed) return *installed;
    static QtDialogs real;
    return real;
}

Dialogs* installDialogs(Dialogs* replacement) {
    Dialogs* previous = installed;
    installed = replacement;
    return previous;
}

}  // namespace view
