#pragma once

// Texts fitted to the fixed boxes of the layout: fonts differ from the one the
// layout was drawn with, so a text that would not fit takes a smaller size.

#include "platform/Captions.h"
#include "platform/Twips.h"

class QComboBox;
class QLabel;

namespace wizard {

// Shrinks a label's font, a quarter point at a time, until its text fits the
// label's box; wrapped text may first take a little room below its box.
void fitText(QLabel* label);

// Buttons' captions are fitted by the platform's helpers, which the picker shares.
using platform::fitAllCaptions;
using platform::fitCaption;

// Shrinks the font of a drop-down list until its items show whole in its field;
// the list first widens, up to `widest` pixels, where it has room to its side.
void fitItems(QComboBox* combo, int widest = 0);

} // namespace wizard
