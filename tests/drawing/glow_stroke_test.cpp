#include "../window_fixture.h"

namespace marevisk::testing {
namespace {

class GlowStrokeTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        // A known background: a grey picture would do, the photo is just as good but busier.
        base_ = preview().image();
    }
    QWindow* win() { return window_->widget()->windowHandle(); }
    QPoint inWindow(int x, int y) { return preview().mapTo(window_->widget(), QPoint(x, y)); }
    void rightPress(int x, int y) { QTest::mousePress(win(), Qt::RightButton, {}, inWindow(x, y)); }
    void rightRelease(int x, int y) {
        QTest::mouseRelease(win(), Qt::RightButton, {}, inWindow(x, y));
    }
    void moveTo(int x, int y) { QTest::mouseMove(win(), inWindow(x, y)); }
    Argb before(int x, int y) const { return base_.at(x, y); }
    static Argb RedOnly(Argb p) { return MakeArgb(RedOf(p), 0, 0); }

    Image base_;
};

constexpr Argb kWhite = 0xffffffffu;

TEST_F(GlowStrokeTest, ASegmentIsABandThatKeepsRedAndAWhiteCoreWithoutItsEndPoint) {
    rightPress(50, 60);
    EXPECT_EQ(StrokeActive, 1);
    moveTo(70, 60);
    for (int x = 50; x < 70; ++x) EXPECT_EQ(previewPixel(x, 60), kWhite) << x;
    EXPECT_EQ(previewPixel(70, 60), RedOnly(before(70, 60))) << "the end point: band only";
    EXPECT_EQ(previewPixel(60, 62), RedOnly(before(60, 62))) << "inside the 5-pixel band";
    EXPECT_EQ(previewPixel(60, 63), before(60, 63)) << "outside the band";
    ASSERT_EQ(StrokePointList->size(), 2u);
    EXPECT_EQ((*StrokePointList)[1].x, 70);
    EXPECT_EQ(LastStrokePoint.x, 70);
    rightRelease(70, 60);
    EXPECT_EQ(StrokeActive, 0);
    EXPECT_TRUE(StrokePointList->empty());
    EXPECT_EQ(preview().pen().width, 0);
    EXPECT_EQ(preview().pen().mode, 12);
    EXPECT_EQ(preview().pen().colour, 0xffffffu);
}

TEST_F(GlowStrokeTest, AClickWithoutMovementOrMovesWithoutAStrokeDrawNothing) {
    moveTo(10, 10);
    moveTo(100, 100);
    rightPress(100, 100);
    rightRelease(100, 100);
    EXPECT_TRUE(StrokePointList->empty());
    EXPECT_EQ(preview().image().pixels, base_.pixels);
}

TEST_F(GlowStrokeTest, ASelfCrossingStaysWhite) {
    rightPress(40, 100);
    moveTo(80, 100);
    moveTo(60, 80);
    moveTo(60, 120);
    EXPECT_EQ(previewPixel(60, 100), kWhite)
        << "the later band masked it, the redraw made it white";
    EXPECT_EQ(previewPixel(45, 100), kWhite);
    rightRelease(60, 120);
}

TEST_F(GlowStrokeTest, AReleaseAnywhereEndsTheStrokeAndMovesOutsideAreClipped) {
    rightPress(270, 200);
    moveTo(400, 200);  // over the right half of the window: canvas x 400
    EXPECT_EQ(previewPixel(287, 200), kWhite) << "clipped at the edge, not wrapped";
    EXPECT_EQ(previewPixel(100, 200), before(100, 200));
    moveTo(200, 30);  // back over a title-free part of the preview
    EXPECT_EQ(StrokePointList->size(), 3u);
    rightRelease(-60, 500);  // outside the preview
    EXPECT_EQ(StrokeActive, 0);
    const Image after = preview().image();
    moveTo(150, 150);
    EXPECT_EQ(preview().image().pixels, after.pixels) << "no drawing once released";
}

TEST_F(GlowStrokeTest, MovesOverATitleKeepDrawing) {
    rightPress(5, 220);
    moveTo(120, 220);  // across title 1 (17..254 x 200..247)
    EXPECT_EQ(previewPixel(100, 220), kWhite);
    rightRelease(120, 220);
}

}  // namespace
}  // namespace marevisk::testing
