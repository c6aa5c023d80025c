#include "titles/font_chooser.h"

#include "platform/qt/font_dialog.h"
#include "platform/qt/transparent_label.h"
#include "platform/qt/window.h"
#include "titles/title_slots.h"

namespace marevisk {

std::optional<FontRecord> ChooseTitleFont() {
    LogFont initial;  // every field 0 and no face: the dialog starts the same each time
    initial.weight = 400;
    ChooseFontRequest request;
    request.log_font = &initial;
    request.point_size_tenths = 120;
    request.size_min = 10;
    request.size_max = 72;
    request.owner = TheWindow().widget();
    if (!RunFontDialog(request)) return std::nullopt;
    return RecordFromChoice(initial, request.point_size_tenths);
}

void ApplyTitleFont(int k) {
    const std::optional<FontRecord> record = ChooseTitleFont();
    if (!record) return;
    Control<TransparentLabel>(SlotOf(k).label)
        .setLogFont(LogFontFromRecord(*record, ScreenPixelsPerInch()));
}

}  // namespace marevisk
