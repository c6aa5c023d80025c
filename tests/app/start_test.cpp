#include <QClipboard>
#include <QColorDialog>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include "../window_fixture.h"
#include "app/run_program.h"
#include "app/usage_instructions.h"
#include "platform/codecs/image_sink.h"
#include "platform/codecs/jpeg_decoder.h"
#include "platform/qt/edit_box.h"
#include "platform/qt/transparent_label.h"

namespace marevisk::testing {
namespace {

using StartTest = WindowTest;

Image BasePhoto() {
    QFile f(":/marevisk/base_photo.jpg");
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    ImageSink sink;
    std::string reason;
    EXPECT_TRUE(DecodeJpeg(std::string_view(bytes.constData(), bytes.size()), sink, reason));
    return sink.image;
}

TEST_F(StartTest, PreviewShowsThePhotographAtItsNaturalSizeInTheMiddle) {
    const Image photo = BasePhoto();
    ASSERT_EQ(photo.width, 283);
    ASSERT_EQ(photo.height, 410);
    const Argb face = preview().backgroundColour();
    // The photo lies at (2, 3); two columns left, three right, three rows above and below show
    // the button face.
    for (auto [x, y, px, py] : {std::array{2, 3, 0, 0}, {284, 412, 282, 409}, {150, 200, 148, 197}})
        EXPECT_EQ(previewPixel(x, y), photo.at(px, py)) << x << "," << y;
    for (auto [x, y] : {std::pair{1, 200}, {285, 200}, {287, 10}, {100, 2}, {100, 413}, {100, 415}})
        EXPECT_EQ(previewPixel(x, y), face) << x << "," << y;
}

TEST_F(StartTest, ThreeTitlesShownRowsFourAndFiveHiddenFocusInTitleOne) {
    const char* shown[] = {"透明标签7", "透明标签1", "透明标签2", "编辑框5", "编辑框4", "编辑框1"};
    const char* hidden[] = {"透明标签8", "透明标签9",  "透明标签10", "编辑框2",     "颜色选择器4",
                            "超级按钮4", "透明标签11", "编辑框3",    "颜色选择器5", "超级按钮5"};
    for (const char* n : shown) EXPECT_TRUE(control(n).isVisible()) << n;
    for (const char* n : hidden) EXPECT_FALSE(control(n).isVisible()) << n;
    EXPECT_EQ(control<TransparentLabel>("透明标签7").text(), "自定义标题1");
    EXPECT_EQ(control<TransparentLabel>("透明标签1").text(), "自定义标题2");
    EXPECT_EQ(control<TransparentLabel>("透明标签2").text(), "自定义标题3");
    EXPECT_EQ(QApplication::focusWidget(), &control("编辑框5"));
    EXPECT_EQ(PreviewCanvasHandle, &control("画板1"));
}

TEST_F(StartTest, ControlsLieWhereTheTableSays) {
    for (const ControlDef& def : MainWindowControls()) {
        auto* w = qobject_cast<QWidget*>(window_->find(def.name));
        if (!w) continue;  // timers and dialogs have no place
        EXPECT_EQ(w->geometry(), QRect(def.left, def.top, def.width, def.height)) << def.name;
    }
    // The preview's client area is 288 x 416 at (15, 25) of the window.
    EXPECT_EQ(preview().mapTo(window_->widget(), QPoint(0, 0)), QPoint(15, 25));
    EXPECT_EQ(window_->widget()->size(), QSize(732, 465));
    EXPECT_EQ(window_->widget()->minimumSize(), window_->widget()->maximumSize()) << "fixed size";
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QPoint off = window_->widget()->frameGeometry().center() - screen.center();
    EXPECT_LE(std::abs(off.x()), 1);
    EXPECT_LE(std::abs(off.y()), 1);
    EXPECT_TRUE(
        window_->widget()->windowTitle().startsWith("Marevisk v2  【Brennvik】提供 客服QQ："));
}

TEST_F(StartTest, TypingIntoTitleOneChangesTheTitleAtOnce) {
    Type(QApplication::focusWidget(), "A");
    EXPECT_EQ(control<TransparentLabel>("透明标签7").text(), "A");
    Type(&control("编辑框4"), "举牌");
    EXPECT_EQ(control<TransparentLabel>("透明标签1").text(), "举牌");
    QTest::keyClick(&control("编辑框4"), Qt::Key_Backspace);
    QTest::keyClick(&control("编辑框4"), Qt::Key_Backspace);
    EXPECT_EQ(control<TransparentLabel>("透明标签1").text(), "");
}

TEST_F(StartTest, TitleBoxesTakeSixtyBytesOfChineseCodePage) {
    const QString thirty = QString("测").repeated(30);
    for (const char* name : {"编辑框4", "编辑框1", "编辑框2", "编辑框3"}) {
        auto& edit = control<QLineEdit>(name);
        edit.setVisible(true);
        Type(&edit, thirty);
        EXPECT_EQ(edit.text(), thirty) << name;
        Type(&edit, "字");
        EXPECT_EQ(edit.text(), thirty) << name << ": a 31st character is refused";
    }
    // ASCII counts one byte: 58 bytes of Chinese plus two letters fit, a third letter does not.
    auto& edit = control<QLineEdit>("编辑框1");
    edit.clear();
    Type(&edit, QString("测").repeated(29) + "ab");
    Type(&edit, "c");
    EXPECT_EQ(edit.text(), QString("测").repeated(29) + "ab");
    // Title 1 has no limit of its own.
    auto& free = control<QLineEdit>("编辑框5");
    Type(&free, QString("测").repeated(200));
    EXPECT_EQ(free.text().size(), 200);
    EXPECT_EQ(control<TransparentLabel>("透明标签7").text().size(), 200);
}

struct LayoutCase {
    const char* name;
    std::vector<const char*> clicks;
    int buttons_top, picture_button_top, picture_caption_top;
    bool title4, title5;
};

class LayoutTest : public WindowTest, public ::testing::WithParamInterface<LayoutCase> {};

TEST_P(LayoutTest, AddButtonsRevealRowsAndMoveTheRest) {
    const LayoutCase& c = GetParam();
    for (const char* b : c.clicks) QTest::mouseClick(&control(b), Qt::LeftButton);
    EXPECT_EQ(control("按钮2").y(), c.buttons_top);
    EXPECT_EQ(control("按钮4").y(), c.buttons_top);
    EXPECT_EQ(control("按钮1").y(), c.picture_button_top);
    EXPECT_EQ(control("透明标签6").y(), c.picture_caption_top);
    for (const char* n : {"透明标签8", "透明标签10", "编辑框2", "颜色选择器4", "超级按钮4"})
        EXPECT_EQ(control(n).isVisible(), c.title4) << n;
    for (const char* n : {"透明标签9", "透明标签11", "编辑框3", "颜色选择器5", "超级按钮5"})
        EXPECT_EQ(control(n).isVisible(), c.title5) << n;
    // Nothing else moves; hidden titles come back at their form places.
    EXPECT_EQ(control("分组框3").y(), 247);
    EXPECT_EQ(control("按钮3").y(), 347);
    EXPECT_EQ(control("按钮6").y(), 400);
    EXPECT_EQ(control("透明标签8").pos(), QPoint(17, 318));
    EXPECT_EQ(control("透明标签9").pos(), QPoint(18, 358));
    // The picture button is never covered by a title row.
    if (c.title5) {
        EXPECT_GE(control("按钮1").y(), control("编辑框3").geometry().bottom());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Orders, LayoutTest,
    ::testing::Values(
        LayoutCase{"start", {}, 119, 151, 154, false, false},
        LayoutCase{"one", {"按钮2"}, 183, 212, 215, true, false},
        LayoutCase{"two", {"按钮4"}, 183, 212, 215, false, true},
        LayoutCase{"one_then_two", {"按钮2", "按钮4"}, 183, 212, 215, true, true},
        LayoutCase{"two_then_one", {"按钮4", "按钮2"}, 183, 212, 215, true, true},
        LayoutCase{"twice", {"按钮2", "按钮2", "按钮4", "按钮4"}, 183, 212, 215, true, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StartTest, ATitleChangeWipesDrawnPixelsUnderItsLabelOnly) {
    Canvas& canvas = preview();
    canvas.setPenColour(0x00ff00);
    canvas.drawLine(0, 260, 287, 260);  // crosses title 2 (16..254, 240..287) and beyond
    const Argb green = ArgbFromColour(0x00ff00);
    ASSERT_EQ(previewPixel(100, 260), green);
    Type(&control("编辑框4"), "x");
    EXPECT_NE(previewPixel(100, 260), green) << "inside the label: background again";
    EXPECT_NE(previewPixel(16, 260), green);
    EXPECT_EQ(previewPixel(15, 260), green) << "left of the label: kept";
    EXPECT_EQ(previewPixel(270, 260), green) << "right of the label: kept";
}

TEST_F(StartTest, RepaintsAndMinimisingKeepDrawings) {
    Canvas& canvas = preview();
    canvas.setPenColour(0x0000ff);
    canvas.drawLine(0, 100, 287, 100);
    window_->widget()->showMinimized();
    Pump(20);
    window_->widget()->showNormal();
    canvas.repaint();
    Pump(20);
    const QImage shown = canvas.grab().toImage();
    EXPECT_EQ(shown.pixel(50, 100) & 0xffffff, 0xff0000u);
    EXPECT_EQ(previewPixel(50, 100), ArgbFromColour(0x0000ff));
}

TEST_F(StartTest, ChoosingAColourRecolours) {
    WhenModalOpens([](QWidget* popup) {
        auto* menu = qobject_cast<QMenu*>(popup);
        ASSERT_NE(menu, nullptr);
        for (QAction* a : menu->actions())
            if (a->text() == "红色") {
                a->trigger();
                menu->close();
                return;
            }
    });
    QTest::mouseClick(&control("颜色选择器2"), Qt::LeftButton);
    EXPECT_EQ(control<TransparentLabel>("透明标签1").textColour(), 0x0000ffu);
}

TEST_F(StartTest, TheFullColourDialogIsOneStepAway) {
    WhenOpens<QMenu>([](QMenu* menu) { menu->actions().last()->trigger(); });
    WhenOpens<QColorDialog>([](QColorDialog* dialog) {
        dialog->setCurrentColor(QColor(10, 20, 30));
        dialog->accept();
    });
    QTest::mouseClick(&control("颜色选择器3"), Qt::LeftButton);
    EXPECT_EQ(control<TransparentLabel>("透明标签2").textColour(), 0x1e140au);
}

TEST_F(StartTest, PastingPastTheLimitIsRefused) {
    auto& edit = control<QLineEdit>("编辑框4");
    Type(&edit, "举牌");
    QApplication::clipboard()->setText(QString("测").repeated(29));
    edit.setFocus();
    edit.end(false);
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit.text(), "举牌") << "31 characters would not fit";
    QApplication::clipboard()->setText(QString("测").repeated(28));
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit.text(), "举牌" + QString("测").repeated(28));
}

TEST_F(StartTest, ATurnedFontDrawsTheTitleTurned) {
    auto& label = control<TransparentLabel>("透明标签7");
    LogFont lf;
    lf.height = -16;
    lf.weight = 700;
    lf.face_name = "Comic Sans MS";
    label.setLogFont(lf);
    const QImage upright = label.grab().toImage();
    lf.escapement = lf.orientation = 900;
    label.setLogFont(lf);
    EXPECT_EQ(label.escapement(), 900);
    EXPECT_NE(label.grab().toImage(), upright);
}

TEST_F(StartTest, UsageButtonShowsTheUsageText) {
    const QString expected = QString::fromUtf8(
        "使用说明：\r\n\r\n打开软件，输入自定义标题名称。\r\n可以选择本地的图片作为背景。\r\n"
        "每个标题输入后面都有颜色和字体选择框，可以更换颜色和字体\r\n"
        "可以生成芯片字体，右键可以涂鸦，每个标签可以随意拖动。\r\n做好图片，点击保存举牌图即可!"
        "\r\n"
        "不会使用可以到群里提问，群号：");
    EXPECT_TRUE(UsageText().startsWith(expected));
    EXPECT_EQ(UsageText().count("\r\n"), 7);
    for (int round = 0; round < 2; ++round) {
        QString title, text;
        int buttons = 0;
        WhenModalOpens([&](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            ASSERT_NE(box, nullptr);
            title = box->windowTitle(), text = box->text(), buttons = int(box->buttons().size());
            box->accept();
        });
        QTest::mouseClick(&control("按钮6"), Qt::LeftButton);
        EXPECT_EQ(title, "信息：");
        EXPECT_EQ(text, UsageText());
        EXPECT_EQ(buttons, 1);
    }
}

TEST_F(StartTest, TabVisitsTheTabStopsInOrder) {
    QWidget* first = QApplication::focusWidget();
    ASSERT_EQ(first, &control("编辑框5"));
    QTest::keyClick(first, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), &control("颜色选择器1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), &control("超级按钮1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), &control("颜色选择器1"));
}

TEST_F(StartTest, EscClosesTheWindowFromAnyControl) {
    for (const char* name : {"编辑框5", "颜色选择器1", "超级按钮1", "按钮2", "编辑框6", "按钮6"}) {
        window_->widget()->show();
        QWidget& w = control(name);
        w.setFocus();
        QTest::keyClick(&w, Qt::Key_Escape);
        EXPECT_FALSE(window_->widget()->isVisible()) << name;
    }
}

TEST_F(StartTest, EnterDoesNothing) {
    QTest::keyClick(&control("编辑框5"), Qt::Key_Return);
    control("按钮6").setFocus();
    QTest::keyClick(&control("按钮6"), Qt::Key_Return);  // no message box opens
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(window_->widget()->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), &control("按钮6"));
}

TEST(RunProgramTest, EscFromTheTestEditBoxEndsTheProgramWithStatusZero) {
    bool focused_first = false;
    QTimer::singleShot(50, [&] {
        focused_first = TheWindow().widget()->focusWidget() == &Control<QWidget>("编辑框5");
        QWidget& edit = Control<QWidget>("编辑框6");
        edit.setFocus();
        QTest::keyClick(&edit, Qt::Key_Escape);
    });
    EXPECT_EQ(RunProgram(), 0);
    EXPECT_TRUE(focused_first);
    EXPECT_EQ(StrokePointList, nullptr) << "released at the end";
    EXPECT_EQ(SourceBitmap, nullptr);
    EXPECT_FALSE(HasWindow());
}

}  // namespace
}  // namespace marevisk::testing
