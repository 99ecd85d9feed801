#pragma once

// Texts fitted to the fixed boxes of the layout: fonts differ from the one the
// layout was drawn with, so a text that would not fit takes a smaller size.

#include "platform/Twips.h"

class QAbstractButton;
class QComboBox;
class QLabel;

namespace wizard {

// Shrinks a label's font, a quarter point at a time, until its text fits the
// label's box; wrapped text may first take a little room below its box.
void fitText(QLabel* label);

// The same for a button's caption (`margin`: pixels beside it, an option
// button's indicator).
void fitCaption(QAbstractButton* button, int margin = platform::twips(150), double smallest = 6.5);

// Every button's caption of the window fitted (in a longer language a caption
// may take more room than the layout gave it).
void fitAllCaptions(QWidget* window);

// The same for the items of a drop-down list, which must show whole in its field;
// the list first widens, up to `widest` pixels, where it has room to its side.
void fitItems(QComboBox* combo, int widest = 0);

} // namespace wizard
