// The font dialog as the title font buttons use it, and the fonts made from logical-font records.
#pragma once
#include <QFont>

#include "platform/text/font_record.h"

namespace marevisk {

// Runs the toolkit's font dialog modally over request.owner, starting from *request.log_font at
// request.point_size_tenths, with sizes request.size_min..size_max and the underline and
// strike-out effects. On OK writes face, height, weight, italic, underline, strike-out and the
// point size back and returns true; on cancel writes nothing and returns false.
bool RunFontDialog(ChooseFontRequest& request);

// The font a label draws with for `lf`; the face falls back through the form-font mapping.
QFont FontFromLogFont(const LogFont& lf);

// Vertical pixels per inch of the primary screen.
int ScreenPixelsPerInch();

}  // namespace marevisk
