#pragma once

#include "view/dialogs.h"

#include <QString>

namespace app {

// The caption of the program's message boxes: the application title and the word naming the action
// that speaks, "Tessaly <貼付け>"; an empty word still gives the brackets.
QString messageBoxCaption(const QString& captionWord);

// A warning with the single button OK.
void ShowMessageBox(const QString& text, const QString& captionWord);

view::ModalResult AskMessageBox(const QString& text, view::BoxKind kind, view::BoxButtons buttons,
                                const QString& captionWord);

// The plain box of start-up, before there is an action to name: the title alone, no icon.
void showPlainMessage(const QString& text);

}  // namespace app
