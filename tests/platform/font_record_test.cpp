#include "platform/text/font_record.h"

#include <gtest/gtest.h>

namespace marevisk {
namespace {

struct ConversionCase {
    const char* name;
    FontRecord record;
    int dpi;
    int height, weight;
    std::string face;
};

TEST(FontRecordTest, TurnsARecordIntoTheLabelsLogicalFont) {
    const std::string long_face(31, 'F');
    const ConversionCase cases[] = {
        {"Arial bold 14", {0, true, false, false, false, 14, "Arial"}, 96, -19, 700, "Arial"},
        {"72 points", {0, false, false, false, false, 72, "Arial"}, 96, -96, 0, "Arial"},
        {"12 points", {0, false, false, false, false, 12, "Arial"}, 96, -16, 0, "Arial"},
        {"size 0", {0, false, false, false, false, 0, "Arial"}, 96, 0, 0, "Arial"},
        {"negative size", {0, false, false, false, false, -3, "Arial"}, 96, 0, 0, "Arial"},
        {"120 dpi", {0, false, false, false, false, 12, "Arial"}, 120, -20, 0, "Arial"},
        {"empty face", {0, false, false, false, false, 12, ""}, 96, -16, 0, "宋体"},
        {"31-byte face", {0, false, false, false, false, 12, long_face}, 96, -16, 0, "宋体"},
        {"30-byte face",
         {0, false, false, false, false, 12, std::string(30, 'F')},
         96,
         -16,
         0,
         std::string(30, 'F')},
        {"15 Chinese characters",
         {0, false, false, false, false, 12, "黑黑黑黑黑黑黑黑黑黑黑黑黑黑黑"},
         96,
         -16,
         0,
         "黑黑黑黑黑黑黑黑黑黑黑黑黑黑黑"},
        {"16 Chinese characters",
         {0, false, false, false, false, 12, "黑黑黑黑黑黑黑黑黑黑黑黑黑黑黑黑"},
         96,
         -16,
         0,
         "宋体"},
    };
    for (const ConversionCase& c : cases) {
        const LogFont lf = LogFontFromRecord(c.record, c.dpi);
        EXPECT_EQ(lf.height, c.height) << c.name;
        EXPECT_EQ(lf.weight, c.weight) << c.name;
        EXPECT_EQ(lf.face_name, c.face) << c.name;
    }
    const LogFont turned = LogFontFromRecord({450, false, true, true, true, 12, "Arial"}, 96);
    EXPECT_EQ(turned.escapement, 450);
    EXPECT_EQ(turned.orientation, 450);
    EXPECT_EQ(turned.italic, 1);
    EXPECT_EQ(turned.strike_out, 1);
    EXPECT_EQ(turned.underline, 1);
}

TEST(FontRecordTest, AChoiceGivesWholePointsAndBoldFromSemiboldUp) {
    const std::pair<int, bool> weights[] = {{400, false}, {500, false}, {600, true},
                                            {700, true},  {800, true},  {900, true}};
    for (auto [weight, bold] : weights) {
        LogFont chosen;
        chosen.weight = weight;
        EXPECT_EQ(RecordFromChoice(chosen, 120).bold, bold) << weight;
    }
    LogFont chosen;
    chosen.face_name = "Arial";
    chosen.italic = chosen.underline = 1;
    const FontRecord r = RecordFromChoice(chosen, 105);
    EXPECT_EQ(r.size, 10);  // 10.5 points
    EXPECT_EQ(r.name, "Arial");
    EXPECT_TRUE(r.italic);
    EXPECT_TRUE(r.underline);
    EXPECT_FALSE(r.strikeout);
}

TEST(FontRecordTest, MulDivRoundsHalfAwayFromZero) {
    EXPECT_EQ(MulDiv(14, 96, 72), 19);
    EXPECT_EQ(MulDiv(10, 96, 72), 13);
    EXPECT_EQ(MulDiv(3, 1, 2), 2);
    EXPECT_EQ(MulDiv(-3, 1, 2), -2);
    EXPECT_EQ(MulDiv(1, 1, 0), -1);
}

}  // namespace
}  // namespace marevisk
