// A whole run as a person has it: start, type titles, pick a colour and a font, reveal the
// extra titles, drag one, scribble, stamp the chip text, import a picture, save, and close with
// Esc. In the sanitizer build the leak checker looks at everything left when the process ends.
#include <QFileDialog>
#include <QFontDialog>
#include <QMenu>
#include <QTemporaryDir>

#include "../window_fixture.h"
#include "app/run_program.h"
#include "platform/io/whole_file.h"
#include "platform/qt/transparent_label.h"
#include "tests/fixtures/bmp_maker.h"

namespace marevisk::testing {
namespace {

TEST(SessionTest, AWholeRunEndsWithStatusZeroAndReleasesItsState) {
    QTemporaryDir dir;
    const QString picture = dir.filePath("back.bmp");
    ASSERT_TRUE(WriteWholeFile(
        picture.toStdString(),
        fixtures::MakeBmp({300, 400, 24}, std::vector<std::uint32_t>(300 * 400, 0x336699))));
    bool all_done = false;
    // Whatever happens, the run ends: a step that hangs fails the test instead.
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] {
        ADD_FAILURE() << "the session did not end";
        QApplication::closeAllWindows();
    });
    guard.start(60000);
    QTimer::singleShot(50, [&] {
        QWidget* first = TheWindow().widget()->focusWidget();  // active or not yet
        EXPECT_EQ(first, &Control<QWidget>("编辑框5"));
        Type(&Control<QWidget>("编辑框5"), "Hello");
        Type(&Control<QWidget>("编辑框4"), "举牌");
        WhenOpens<QMenu>([](QMenu* menu) {
            menu->actions().value(2)->trigger();
            menu->close();
        });
        QTest::mouseClick(&Control<QWidget>("颜色选择器1"), Qt::LeftButton);
        WhenOpens<QFontDialog>([](QFontDialog* d) { d->accept(); });
        QTest::mouseClick(&Control<QWidget>("超级按钮2"), Qt::LeftButton);
        QTest::mouseClick(&Control<QWidget>("按钮2"), Qt::LeftButton);
        QTest::mouseClick(&Control<QWidget>("按钮4"), Qt::LeftButton);

        QWindow* win = TheWindow().widget()->windowHandle();
        QWidget& canvas = Control<QWidget>("画板1");
        const auto at = [&](int x, int y) {
            return canvas.mapTo(TheWindow().widget(), QPoint(x, y));
        };
        QTest::mousePress(win, Qt::RightButton, {}, at(30, 40));
        for (int i = 1; i <= 20; ++i) QTest::mouseMove(win, at(30 + 5 * i, 40 + 3 * i));
        QTest::mouseRelease(win, Qt::RightButton, {}, at(130, 100));

        Type(&Control<QWidget>("编辑框6"), "chip");
        QTest::mouseClick(&Control<QWidget>("按钮5"), Qt::LeftButton);

        AnswerFileDialog(picture);
        QTest::mouseClick(&Control<QWidget>("按钮1"), Qt::LeftButton);
        AnswerFileDialog(dir.filePath("placard"));
        QTest::mouseClick(&Control<QWidget>("按钮3"), Qt::LeftButton);

        all_done = Control<TransparentLabel>("透明标签7").text() == "Hello";
        QWidget& test_box = Control<QWidget>("编辑框6");
        test_box.setFocus();
        QTest::keyClick(&test_box, Qt::Key_Escape);
    });
    EXPECT_EQ(RunProgram(), 0);
    EXPECT_TRUE(all_done);
    EXPECT_EQ(ReadWholeFile(dir.filePath("placard.jpg").toStdString()).size(), 259906u);
    EXPECT_EQ(StrokePointList, nullptr);
    EXPECT_EQ(SourceBitmap, nullptr);
    EXPECT_EQ(VisitedBitmap, nullptr);
}

}  // namespace
}  // namespace marevisk::testing
