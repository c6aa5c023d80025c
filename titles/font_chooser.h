// The "字体" button of each title row: the font dialog's choice becomes the title's font.
#pragma once
#include <optional>

#include "platform/text/font_record.h"

namespace marevisk {

// Opens the font dialog at 12 points from the same initial record every time. The record of
// the choice, or nothing when the dialog was cancelled.
std::optional<FontRecord> ChooseTitleFont();
// Sets the choice as slot k's title font; a cancelled dialog leaves the title as it was.
void ApplyTitleFont(int k);

}  // namespace marevisk
