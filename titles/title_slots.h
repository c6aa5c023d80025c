// The five title slots: a title label on the preview and the row that edits it.
#pragma once
#include <string>

namespace marevisk {

struct TitleSlot {
    const char* label;
    const char* edit;
    const char* picker;
    const char* font_button;
    const char* timer;
    const char* caption;
};

// Slot k (1..5).
const TitleSlot& SlotOf(int k);

// Label text := the content of slot k's edit box.
void CopyTitleText(int k);
// Label text colour := the colour of slot k's picker.
void CopyTitleColour(int k);
// Reveals slot 4 and moves the add buttons and the picture row down.
void AddOneTitle();
// Reveals slot 5 and moves the add buttons and the picture row down.
void AddTwoTitles();

}  // namespace marevisk
