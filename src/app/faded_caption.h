#pragma once

class QPushButton;

namespace app {

// A button whose action is not available now keeps working, but its caption takes the window's
// background colour. Its own font and caption colour (a maroon "図案作成") come back with it.
void setCaptionFaded(QPushButton* button, bool faded);
bool isCaptionFaded(const QPushButton* button);

}  // namespace app
