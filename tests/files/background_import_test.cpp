#include "file_test_support.h"
#include "platform/qt/transparent_label.h"
#include "tests/fixtures/bmp_maker.h"
#include "tests/fixtures/picture_maker.h"

namespace marevisk::testing {
namespace {

using namespace fixtures;

class ImportTest : public FilesTest {
  protected:
    void import(const QString& name, FileDialogSeen* seen = nullptr) {
        AnswerFileDialog(name.isEmpty() ? QString() : path(name), seen);
        QTest::mouseClick(&control("按钮1"), Qt::LeftButton);
    }
    Argb face() { return preview().backgroundColour(); }
};

TEST_F(ImportTest, TheDialogOffersPictureKindsAndTheLastPath) {
    write("a.bmp", MakeBmp({2, 2, 24}, std::vector<std::uint32_t>(4, 0x0000ff)));
    FileDialogSeen first, second;
    import("a.bmp", &first);
    EXPECT_EQ(first.title, "选择自己喜欢的图片~");
    EXPECT_EQ(first.filters, (QStringList{"JPG图片 (*.jpg)", "JPEG图片 (*.jpeg)", "GIF图片 (*.gif)",
                                          "BMP位图 (*.bmp)"}));
    EXPECT_EQ(first.selected_filter, "JPG图片 (*.jpg)");
    EXPECT_FALSE(first.save);
    import("", &second);
    EXPECT_EQ(second.offered, path("a.bmp"));
    EXPECT_EQ(second.selected_filter, "JPG图片 (*.jpg)");
}

struct Shown {
    const char* file;
    std::string bytes;
    Rect place;
    Argb centre;
};

TEST_F(ImportTest, EveryKindOfPictureIsShownCentredAndShrunkToFit) {
    const Image blue(640, 480, MakeArgb(0, 0, 255));
    const std::vector<std::uint8_t> zeros(100 * 100, 0);
    const Shown cases[] = {
        {"photo.jpg", MakeJpeg(blue), {0, 100, 288, 216}, MakeArgb(0, 0, 254)},
        {"tall.bmp",
         MakeBmp({200, 1000, 24}, std::vector<std::uint32_t>(200 * 1000, 0x00ff00)),
         {102, 0, 83, 416},
         MakeArgb(0, 255, 0)},
        {"square.gif",
         MakeGif({100, 100, 0, 0, 100, 100, false, -1, {0x0000ff}}, zeros),
         {94, 158, 100, 100},
         MakeArgb(255, 0, 0)},
        {"named.jpg",
         MakeGif({100, 100, 0, 0, 100, 100, true, -1, {0x00ffff}}, zeros),
         {94, 158, 100, 100},
         MakeArgb(255, 255, 0)},
        {"exact.pcx",
         MakePcx8(Image(288, 416, MakeArgb(9, 9, 9)), {}, {}),
         {0, 0, 288, 416},
         MakeArgb(9, 9, 9)},
    };
    for (const Shown& c : cases) {
        write(c.file, c.bytes);
        import(c.file);
        const Rect& r = c.place;
        const Argb centre = previewPixel(r.x + r.width / 2, r.y + r.height / 2);
        EXPECT_LE(
            std::abs(BlueOf(centre) - BlueOf(c.centre)) + std::abs(RedOf(centre) - RedOf(c.centre)),
            4)
            << c.file;
        if (r.x > 0) {
            EXPECT_EQ(previewPixel(r.x - 1, r.y + 5), face()) << c.file;
            EXPECT_NE(previewPixel(r.x, r.y + 5), face()) << c.file;
            EXPECT_EQ(previewPixel(r.right(), r.y + 5), face()) << c.file;
        }
        if (r.y > 0) {
            EXPECT_EQ(previewPixel(r.x + 5, r.y - 1), face()) << c.file;
            EXPECT_EQ(previewPixel(r.x + 5, r.bottom()), face()) << c.file;
        }
    }
}

TEST_F(ImportTest, ANameWithoutExtensionGetsJpgAndTheContentDecides) {
    // BMP bytes under a .jpg name: typed without the extension, recognised by content.
    write("pic.jpg", MakeBmp({288, 416, 24}, std::vector<std::uint32_t>(288 * 416, 0x0000ff)));
    import("pic");
    EXPECT_EQ(previewPixel(100, 100), MakeArgb(255, 0, 0));
}

TEST_F(ImportTest, ASavedPlacardComesBackAt222By389) {
    // Paint the whole preview red first, so the placard's edges are plain to see.
    preview().setPenWidth(2000);
    preview().setPenColour(0x0000ff);
    preview().drawLine(0, 0, 288, 416);
    preview().setPenWidth(0);
    AnswerFileDialog(path("placard"));
    QTest::mouseClick(&control("按钮3"), Qt::LeftButton);
    ASSERT_TRUE(QFile::exists(path("placard.jpg")));
    import("placard.jpg");
    const Argb red = MakeArgb(255, 0, 0);
    EXPECT_EQ(previewPixel(32, 100), face());
    EXPECT_EQ(previewPixel(33, 100), red);
    EXPECT_EQ(previewPixel(254, 100), red);
    EXPECT_EQ(previewPixel(255, 100), face());
    EXPECT_EQ(previewPixel(100, 12), face());
    EXPECT_EQ(previewPixel(100, 13), red);
    EXPECT_EQ(previewPixel(100, 401), red);
    EXPECT_EQ(previewPixel(100, 402), face());
}

TEST_F(ImportTest, AnImportWipesDrawingsButKeepsTheTitles) {
    Type(&control("编辑框4"), "标题");
    control<TransparentLabel>("透明标签1").setLeft(40);
    preview().setPenColour(0x00ff00);
    preview().drawLine(0, 20, 287, 20);
    write("grey.bmp", MakeBmp({288, 416, 24}, std::vector<std::uint32_t>(288 * 416, 0x808080)));
    import("grey.bmp");
    EXPECT_EQ(previewPixel(100, 20), MakeArgb(128, 128, 128));
    EXPECT_EQ(control<TransparentLabel>("透明标签1").text(), "标题");
    EXPECT_EQ(control("透明标签1").pos(), QPoint(40, 240));
    EXPECT_TRUE(control("透明标签7").isVisible());
}

TEST_F(ImportTest, CancelChangesNothing) {
    preview().setPenColour(0x00ff00);
    preview().drawLine(0, 20, 287, 20);
    const Image before = preview().image();
    import("");
    EXPECT_EQ(preview().image().pixels, before.pixels);
}

struct Refused {
    const char* file;
    std::string bytes;
};

TEST_F(ImportTest, APictureThatCannotBeShownIsReportedAndThePreviewStays) {
    std::string huge = MakeBmp({2, 2, 24}, std::vector<std::uint32_t>(4, 0));
    PutLE(huge, 18, 65500, 4), PutLE(huge, 22, 65500, 4);
    const std::string jpeg = MakeJpeg(Image(64, 64, MakeArgb(1, 2, 3)));
    const Refused cases[] = {
        {"empty.jpg", ""},
        {"short.jpg", "BM\x01"},
        {"notes.jpg", "This is just a text file, not a picture.\n"},
        {"cut.jpg", jpeg.substr(0, 30)},
        {"forged.bmp", huge},
    };
    preview().setPenColour(0x00ff00);
    preview().drawLine(0, 20, 287, 20);
    const Image before = preview().image();
    for (const Refused& c : cases) {
        write(c.file, c.bytes);
        QString message;
        AnswerMessageBox(QMessageBox::Ok, &message);
        import(c.file);
        EXPECT_TRUE(message.contains(c.file)) << c.file << ": " << message.toStdString();
        EXPECT_EQ(preview().image().pixels, before.pixels) << c.file;
    }
}

}  // namespace
}  // namespace marevisk::testing
