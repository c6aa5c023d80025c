#include "files/save_placard.h"

#include <QMenu>

#include "file_test_support.h"
#include "platform/codecs/byte_reader.h"
#include "platform/qt/transparent_label.h"

namespace marevisk::testing {
namespace {

class SavePlacardTest : public FilesTest {
  protected:
    void save(const QString& name, FileDialogSeen* seen = nullptr) {
        AnswerFileDialog(name.isEmpty() ? QString() : path(name), seen);
        QTest::mouseClick(&control("按钮3"), Qt::LeftButton);
    }
    // The pixel (x, y) of a saved 222 x 389 placard, y = 0 the top row.
    static Argb FilePixel(const std::string& file, int x, int y) {
        const std::size_t at = 54 + std::size_t(388 - y) * 668 + std::size_t(x) * 3;
        return MakeArgb(int(U8(file, at + 2)), int(U8(file, at + 1)), int(U8(file, at)));
    }
};

TEST_F(SavePlacardTest, WritesTheBmpPlacardUnderTheNameWithJpg) {
    preview().setPenColour(0x0000ff);
    preview().drawLine(0, 415, 288, 415);  // a red bottom row
    FileDialogSeen seen;
    save("sign", &seen);
    EXPECT_EQ(seen.title, "保存举牌图");
    EXPECT_TRUE(seen.save);
    ASSERT_EQ(files(), QStringList{"sign.jpg"});
    const std::string file = read("sign.jpg");
    ASSERT_EQ(file.size(), 259906u);
    const Bytes b = file;
    EXPECT_EQ(file.substr(0, 2), "BM");
    const std::pair<std::size_t, std::uint32_t> fields[] = {
        {2, 259906}, {6, 0},       {10, 54}, {14, 40}, {18, 222}, {22, 389},
        {30, 0},     {34, 259852}, {38, 0},  {42, 0},  {46, 0},   {50, 0}};
    for (auto [at, value] : fields) EXPECT_EQ(U32LE(b, at), value) << "offset " << at;
    EXPECT_EQ(U16LE(b, 26), 1u);
    EXPECT_EQ(U16LE(b, 28), 24u);
    // The first stored row is the bottom of the picture: the red line, squeezed.
    const Argb bottom = FilePixel(file, 100, 388);
    EXPECT_GT(RedOf(bottom), 150);
    EXPECT_LT(GreenOf(bottom), 120);
    EXPECT_GT(GreenOf(FilePixel(file, 100, 50)), 120) << "higher up: the photo";
}

TEST_F(SavePlacardTest, TheWholePreviewIsScaledSoATitleAtTheRightEdgeShows) {
    Type(&control("编辑框5"), "MMMMMMMMMMMM");
    WhenModalOpens([](QWidget* popup) {
        for (QAction* a : qobject_cast<QMenu*>(popup)->actions())
            if (a->text() == "红色") {
                a->trigger();
                popup->close();
                return;
            }
    });
    QTest::mouseClick(&control("颜色选择器1"), Qt::LeftButton);
    control<TransparentLabel>("透明标签7").setLeft(250);  // mostly past the right edge
    save("edge");
    const std::string file = read("edge.jpg");
    ASSERT_EQ(file.size(), 259906u);
    int red = 0;  // strongly red pixels in the last eight columns, around the title's rows
    for (int x = 214; x < 222; ++x)
        for (int y = 190; y < 200; ++y) {
            const Argb p = FilePixel(file, x, y);
            red += RedOf(p) > 150 && GreenOf(p) < 90 && BlueOf(p) < 90;
        }
    EXPECT_GT(red, 3);
}

TEST_F(SavePlacardTest, CancelWritesNothing) {
    save("first");
    ASSERT_EQ(files().size(), 1);
    save("");
    EXPECT_EQ(files(), QStringList{"first.jpg"});
}

TEST_F(SavePlacardTest, TheNextSaveOffersTheLastPath) {
    save("one");
    FileDialogSeen seen;
    save("", &seen);
    EXPECT_EQ(seen.offered, path("one"));
}

TEST_F(SavePlacardTest, ANameEndingInJpgIsKeptAndTheDialogAsksBeforeReplacing) {
    write("sign.jpg", "old");
    AnswerFileDialog(path("sign.jpg"));
    // The dialog's own question about the name chosen in it.
    AnswerMessageBox(QMessageBox::Yes);
    QTest::mouseClick(&control("按钮3"), Qt::LeftButton);
    EXPECT_EQ(files(), QStringList{"sign.jpg"}) << "no sign.jpg.jpg";
    EXPECT_EQ(read("sign.jpg").size(), 259906u);
}

TEST_F(SavePlacardTest, AnExistingFileUnderTheFinalNameIsOnlyReplacedWhenConfirmed) {
    write("sign.jpg", "old");
    QString question;
    AnswerFileDialog(path("sign"));
    AnswerMessageBox(QMessageBox::No, &question);
    QTest::mouseClick(&control("按钮3"), Qt::LeftButton);
    EXPECT_TRUE(question.contains("sign.jpg"));
    EXPECT_EQ(read("sign.jpg"), "old");

    AnswerFileDialog(path("sign"));
    AnswerMessageBox(QMessageBox::Yes);
    QTest::mouseClick(&control("按钮3"), Qt::LeftButton);
    EXPECT_EQ(read("sign.jpg").size(), 259906u);
    EXPECT_EQ(files(), QStringList{"sign.jpg"});
}

TEST_F(SavePlacardTest, ASaveIntoAMissingFolderIsReportedAndCreatesNothing) {
    QString message;
    AnswerFileDialog(path("missing/sign"));
    AnswerMessageBox(QMessageBox::Ok, &message);
    QTest::mouseClick(&control("按钮3"), Qt::LeftButton);
    EXPECT_TRUE(message.contains("sign.jpg")) << message.toStdString();
    EXPECT_TRUE(files().isEmpty());
    EXPECT_FALSE(QDir(path("missing")).exists());
}

TEST(SaveTargetTest, AppendsJpgUnlessTheNameEndsInIt) {
    EXPECT_EQ(SaveTarget("a/sign"), "a/sign.jpg");
    EXPECT_EQ(SaveTarget("a/sign.jpg"), "a/sign.jpg");
    EXPECT_EQ(SaveTarget("a/SIGN.JPG"), "a/SIGN.JPG");
    EXPECT_EQ(SaveTarget("a/sign.jpeg"), "a/sign.jpeg.jpg");
    EXPECT_EQ(SaveTarget("a/sign.png"), "a/sign.png.jpg");
}

}  // namespace
}  // namespace marevisk::testing
