#include <QCursor>

#include "../window_fixture.h"
#include "platform/qt/timer.h"
#include "platform/qt/transparent_label.h"

namespace marevisk::testing {
namespace {

class TitleDragTest : public WindowTest {
  protected:
    TransparentLabel& title(const char* name) { return control<TransparentLabel>(name); }

    // Presses the left button on `label` at `at` (label pixels), with the pointer there. Press
    // and release go through the window, as the window system delivers them.
    void press(QWidget& label, QPoint at = {5, 5}) {
        pointer_ = label.mapToGlobal(at);
        QCursor::setPos(pointer_);
        QWidget* top = window_->widget();
        QTest::mousePress(top->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                          top->mapFromGlobal(pointer_));
    }
    void movePointer(int dx, int dy) {
        pointer_ += QPoint(dx, dy);
        QCursor::setPos(pointer_);
    }
    // Releases the button wherever the pointer is, as the window system delivers it.
    void release() {
        QWidget* top = window_->widget();
        QTest::mouseRelease(top->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                            top->mapFromGlobal(pointer_));
    }

    QPoint pointer_;
};

TEST_F(TitleDragTest, TheTitleFollowsThePointersTravel) {
    TransparentLabel& t2 = title("透明标签1");
    ASSERT_EQ(t2.pos(), QPoint(16, 240));
    press(t2);
    EXPECT_EQ(control<Timer>("时钟2").period(), 50);
    movePointer(30, -10);
    Pump(130);
    release();
    EXPECT_EQ(t2.pos(), QPoint(46, 230));
    EXPECT_EQ(control<Timer>("时钟2").period(), 0);
    EXPECT_EQ(DragAnchor2.label_left, 16);
    EXPECT_EQ(DragAnchor2.label_top, 240);
    // A second drag starts from where the title now is.
    press(t2);
    movePointer(-6, 4);
    Pump(130);
    release();
    EXPECT_EQ(t2.pos(), QPoint(40, 234));
}

TEST_F(TitleDragTest, APressAndReleaseWithinOnePeriodMoveNothing) {
    TransparentLabel& t1 = title("透明标签7");
    press(t1);
    movePointer(40, 40);
    release();
    Pump(120);
    EXPECT_EQ(t1.pos(), QPoint(17, 200));
    EXPECT_EQ(control<Timer>("时钟1").period(), 0);
}

TEST_F(TitleDragTest, AReleaseOutsideThePreviewStillEndsTheDrag) {
    TransparentLabel& t3 = title("透明标签2");
    press(t3);
    movePointer(400, 20);  // over the right half of the window
    Pump(130);
    release();
    EXPECT_EQ(control<Timer>("时钟3").period(), 0);
    const QPoint after = t3.pos();
    EXPECT_EQ(after, QPoint(416, 300));
    movePointer(-300, 0);
    Pump(130);
    EXPECT_EQ(t3.pos(), after) << "no longer following";
}

TEST_F(TitleDragTest, TitlesFourAndFiveShareOneAnchor) {
    QTest::mouseClick(&control("按钮2"), Qt::LeftButton);
    QTest::mouseClick(&control("按钮4"), Qt::LeftButton);
    press(title("透明标签8"));
    EXPECT_EQ(DragAnchor45.label_top, 318);
    release();
    press(title("透明标签9"));
    EXPECT_EQ(DragAnchor45.label_left, 18);
    EXPECT_EQ(DragAnchor45.label_top, 358);
    release();
}

TEST_F(TitleDragTest, ADraggedTitleWipesAStrokeAlongItsPath) {
    Canvas& canvas = preview();
    canvas.setPenColour(0x00ff00);
    canvas.drawLine(0, 150, 287, 150);  // above every title
    const Argb green = ArgbFromColour(0x00ff00);
    TransparentLabel& t1 = title("透明标签7");  // 17..254 x 200..247
    press(t1);
    movePointer(0, -60);  // up over the line: 140..187
    Pump(130);
    release();
    ASSERT_EQ(t1.pos(), QPoint(17, 140));
    EXPECT_NE(previewPixel(100, 150), green) << "under the new place";
    EXPECT_EQ(previewPixel(5, 150), green) << "left of the path";
    EXPECT_EQ(previewPixel(270, 150), green) << "right of the path";
}

TEST(TimerTest, PeriodRules) {
    Timer t(nullptr);
    int ticks = 0;
    QObject::connect(&t, &Timer::tick, [&] { ++ticks; });
    t.setPeriod(-5);
    EXPECT_EQ(t.period(), 0);
    t.setPeriod(30);
    QTest::qWait(20);
    t.setPeriod(30);  // the same value does not restart it
    QTest::qWait(20);
    EXPECT_GE(ticks, 1);
    t.setPeriod(0);
    const int stopped = ticks;
    QTest::qWait(60);
    EXPECT_EQ(ticks, stopped);
}

}  // namespace
}  // namespace marevisk::testing
