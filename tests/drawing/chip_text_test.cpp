#include "../window_fixture.h"
#include "platform/qt/edit_box.h"

namespace marevisk::testing {
namespace {

class ChipTextTest : public WindowTest {
  protected:
    void stamp(const QString& text) {
        auto& edit = control<EditBox>("编辑框6");
        edit.clear();
        Type(&edit, text);
        QTest::mouseClick(&control("按钮5"), Qt::LeftButton);
    }
    int changedPixels(const Image& before, int min_y = 0) {
        int n = 0;
        for (int y = min_y; y < before.height; ++y)
            for (int x = 0; x < before.width; ++x) n += before.at(x, y) != previewPixel(x, y);
        return n;
    }
};

TEST_F(ChipTextTest, StampsTheTextTwiceAsLargeAtTheTopLeft) {
    const Image before = preview().image();
    stamp("芯片ABC");
    EXPECT_EQ(SourceBitmap->width(), 374);
    EXPECT_EQ(SourceBitmap->height(), 21);
    EXPECT_EQ(SourceBitmap->depth(), 24);
    EXPECT_GT(changedPixels(before), 100);
    EXPECT_EQ(changedPixels(before, 41), 0) << "nothing below y = 2 x 20";
    // The text canvas shows the text.
    const Image& text = control<Canvas>("画板2").image();
    int dark = 0;
    for (Argb p : text.pixels) dark += RedOf(p) < 128;
    EXPECT_GT(dark, 30);
}

TEST_F(ChipTextTest, TheSameTextStampsTheSameLines) {
    stamp("测试");
    const Image once = preview().image();
    stamp("测试");
    EXPECT_EQ(preview().image().pixels, once.pixels);
}

TEST_F(ChipTextTest, EmptyTextDrawsNothing) {
    const Image before = preview().image();
    stamp("");
    EXPECT_EQ(preview().image().pixels, before.pixels);
}

}  // namespace
}  // namespace marevisk::testing
