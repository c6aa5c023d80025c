#include <QFontDatabase>
#include <QFontDialog>
#include <QMessageBox>

#include "../window_fixture.h"
#include "platform/qt/transparent_label.h"

namespace marevisk::testing {
namespace {

class FontChooserTest : public WindowTest {
  protected:
    // Clicks slot k's font button and, in the dialog, picks `font` (or cancels when null).
    void chooseFont(const char* button, const QFont* font, double* opened_at = nullptr) {
        WhenModalOpens([font, opened_at, this](QWidget* w) {
            auto* dialog = qobject_cast<QFontDialog*>(w);
            ASSERT_NE(dialog, nullptr);
            EXPECT_TRUE(dialog->isModal());
            EXPECT_EQ(dialog->parentWidget(), window_->widget());
            if (opened_at) *opened_at = dialog->currentFont().pointSizeF();
            if (!font) return dialog->reject();
            dialog->setCurrentFont(*font);
            dialog->accept();
        });
        QTest::mouseClick(&control(button), Qt::LeftButton);
    }
    // A family with light, regular and bold styles (installed with the title font).
    static QString AnyFamily() {
        return QFontDatabase::hasFamily("Comic Neue") ? "Comic Neue"
                                                      : QFontDatabase::families().value(0);
    }
};

TEST_F(FontChooserTest, TheChosenFontBecomesTheTitlesFont) {
    QFont chosen(AnyFamily());
    chosen.setPointSize(14);
    chosen.setWeight(QFont::Bold);
    chosen.setUnderline(true);
    chooseFont("超级按钮2", &chosen);
    const QFont f = control<TransparentLabel>("透明标签1").labelFont();
    EXPECT_EQ(f.pixelSize(), 19) << "14 points at 96 pixels per inch";
    EXPECT_EQ(f.weight(), QFont::Bold);
    EXPECT_TRUE(f.underline());
    EXPECT_FALSE(f.strikeOut());
    EXPECT_EQ(f.family(), AnyFamily());
}

TEST_F(FontChooserTest, CancelLeavesTheTitleAsItWas) {
    const QFont before = control<TransparentLabel>("透明标签7").labelFont();
    chooseFont("超级按钮1", nullptr);
    EXPECT_EQ(control<TransparentLabel>("透明标签7").labelFont(), before);
}

TEST_F(FontChooserTest, EveryOpeningStartsAtTwelvePoints) {
    QFont big(AnyFamily());
    big.setPointSize(40);
    double first = 0, second = 0;
    chooseFont("超级按钮3", &big, &first);
    chooseFont("超级按钮3", nullptr, &second);
    EXPECT_EQ(first, 12.0);
    EXPECT_EQ(second, 12.0);
    EXPECT_EQ(control<TransparentLabel>("透明标签2").labelFont().pixelSize(), 53);
}

TEST_F(FontChooserTest, WeightsFromSemiboldUpCountAsBold) {
    // The dialog offers the weights the family has; whatever it hands back decides.
    for (QFont::Weight weight : {QFont::Normal, QFont::DemiBold, QFont::Bold, QFont::Black}) {
        int selected = -1;
        WhenModalOpens([&](QWidget* w) {
            auto* dialog = qobject_cast<QFontDialog*>(w);
            ASSERT_NE(dialog, nullptr);
            QFont f(AnyFamily());
            f.setPointSize(12);
            f.setWeight(weight);
            dialog->setCurrentFont(f);
            selected = dialog->currentFont().weight();
            dialog->accept();
        });
        QTest::mouseClick(&control("超级按钮1"), Qt::LeftButton);
        EXPECT_EQ(control<TransparentLabel>("透明标签7").labelFont().bold(), selected >= 600)
            << "asked " << int(weight) << ", dialog gave " << selected;
        if (weight == QFont::Normal) {
            EXPECT_LT(selected, 600);
        }
        if (weight == QFont::Bold) {
            EXPECT_GE(selected, 600);
        }
    }
}

TEST_F(FontChooserTest, SizesOutsideTenToSeventyTwoAreRefused) {
    bool warned = false;
    WhenModalOpens([&](QWidget* w) {
        auto* dialog = qobject_cast<QFontDialog*>(w);
        ASSERT_NE(dialog, nullptr);
        QFont tiny(AnyFamily());
        tiny.setPointSize(8);
        dialog->setCurrentFont(tiny);
        WhenOpens<QMessageBox>([&, dialog](QMessageBox* box) {
            warned = true;
            box->close();
            QFont ok(AnyFamily());
            ok.setPointSize(10);
            dialog->setCurrentFont(ok);
            dialog->accept();
        });
        dialog->accept();  // refused: the warning opens and the dialog stays
    });
    QTest::mouseClick(&control("超级按钮1"), Qt::LeftButton);
    EXPECT_TRUE(warned);
    EXPECT_EQ(control<TransparentLabel>("透明标签7").labelFont().pixelSize(), 13);
}

TEST_F(FontChooserTest, AFontChangeWipesDrawingsUnderTheTitle) {
    preview().setPenColour(0x00ff00);
    preview().drawLine(0, 220, 287, 220);
    QFont f(AnyFamily());
    f.setPointSize(12);
    chooseFont("超级按钮1", &f);
    EXPECT_NE(previewPixel(100, 220), ArgbFromColour(0x00ff00));
    EXPECT_EQ(previewPixel(5, 220), ArgbFromColour(0x00ff00));
}

}  // namespace
}  // namespace marevisk::testing
