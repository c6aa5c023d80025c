// Font descriptions as the title labels take them: the record a font choice gives, the
// classic logical-font fields it turns into, and the font dialog request.
#pragma once
#include <cstdint>
#include <string>

namespace marevisk {

// The classic logical font (face name held as UTF-8; its limits count GB18030 bytes).
struct LogFont {
    std::int32_t height = 0;  // negative: character height in pixels; 0: the default height
    std::int32_t width = 0;
    std::int32_t escapement = 0;  // tenths of a degree, counter-clockwise
    std::int32_t orientation = 0;
    std::int32_t weight = 0;  // 0 default, 400 regular, 700 bold
    std::uint8_t italic = 0, underline = 0, strike_out = 0;
    std::uint8_t char_set = 0, out_precision = 0, clip_precision = 0, quality = 0;
    std::uint8_t pitch_and_family = 0;
    std::string face_name;
};

struct FontRecord {
    std::int32_t angle = 0;  // tenths of a degree
    bool bold = false, italic = false, strikeout = false, underline = false;
    std::int32_t size = 0;  // points
    std::string name;       // face name; empty when none was chosen
};

// What the font dialog is opened with and writes back into.
struct ChooseFontRequest {
    LogFont* log_font = nullptr;  // initial font, replaced by the choice on OK
    int point_size_tenths = 120;  // written back on OK
    int size_min = 10, size_max = 72;
    void* owner = nullptr;  // the window the dialog is modal to
};

// a * b / c rounded half away from zero, as the classic MulDiv does; -1 when c is 0.
int MulDiv(int a, int b, int c);

// The record a confirmed dialog gives: face, whole points, bold from weight 600 up, effects.
FontRecord RecordFromChoice(const LogFont& chosen, int point_size_tenths);

// The logical font a title label keeps for a record at `pixels_per_inch`.
LogFont LogFontFromRecord(const FontRecord& record, int pixels_per_inch);

// The face used when the record names none, or one of 31 bytes or more.
inline const std::string kFallbackFace = "宋体";

}  // namespace marevisk
