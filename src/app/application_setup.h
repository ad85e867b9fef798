#pragma once

class QApplication;

namespace app {

// The application object as the program sets it up: its name, which the captions that name the
// program take, its icon, the window font, and Qt's own texts in Japanese. No display name is set:
// the platform would append it to every window's caption.
void setUpApplication(QApplication& application);

}  // namespace app
