#include "platform/text/font_record.h"

#include <cstdlib>

#include "platform/text/gb18030_count.h"

namespace marevisk {

int MulDiv(int a, int b, int c) {
    if (c == 0) return -1;
    const long long p = (long long)a * b;
    const long long q = (std::llabs(p) + std::llabs((long long)c) / 2) / std::llabs((long long)c);
    return int(((p < 0) != (c < 0)) ? -q : q);
}

FontRecord RecordFromChoice(const LogFont& chosen, int point_size_tenths) {
    FontRecord r;
    r.angle = chosen.escapement;
    r.bold = chosen.weight >= 600;  // semibold and heavier styles read as bold
    r.italic = chosen.italic == 1;
    r.strikeout = chosen.strike_out == 1;
    r.underline = chosen.underline == 1;
    r.size = point_size_tenths / 10;
    r.name = chosen.face_name;
    return r;
}

LogFont LogFontFromRecord(const FontRecord& record, int pixels_per_inch) {
    LogFont lf;
    lf.escapement = lf.orientation = record.angle;
    lf.weight = record.bold ? 700 : 0;
    lf.italic = record.italic ? 1 : 0;
    lf.strike_out = record.strikeout ? 1 : 0;
    lf.underline = record.underline ? 1 : 0;
    lf.height = record.size < 0 ? 0 : -MulDiv(record.size, pixels_per_inch, 72);
    const std::size_t bytes = Gb18030ByteCount(record.name);
    lf.face_name = bytes >= 1 && bytes <= 30 ? record.name : kFallbackFace;
    return lf;
}

}  // namespace marevisk
