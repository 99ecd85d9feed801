#pragma once

#include "platform/Twips.h"

class QAbstractButton;
class QWidget;

namespace platform {

// Shrinks a button's caption font, a quarter point at a time, until the caption
// fits the button (`margin`: pixels beside it, an option button's indicator):
// fonts and languages differ from the ones the layout was drawn with.
void fitCaption(QAbstractButton* button, int margin = twips(150), double smallest = 6.5);

// Every button's caption of the window fitted.
void fitAllCaptions(QWidget* window);

} // namespace platform
