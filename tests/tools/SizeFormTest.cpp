#include "tools/SizeForm.h"
#include "InsertFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <memory>

using namespace korv;

namespace {
// Pixel (x, y) of the test pictures: a colour worked out from the position.
int patternAt(int x, int y, int blue) {
    return RGB(x % 256, y % 256, blue);
}
QImage photo(int w, int h, int blue) {
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, toQRgb(patternAt(x, y, blue)));
    return img;
}
QString sizeText(int w, int h) {
    return QString("Grootte van de afbeelding : %1 x %2 Pixels").arg(w).arg(h);
}
} // namespace

class SizeFormTest : public InsertDialogTest {
protected:
    void SetUp() override {
        InsertDialogTest::SetUp();
        M().Pic->setPicture(photo(415, 310, 7));
        form_ = std::make_unique<SizeForm>(M());
    }
    void TearDown() override {
        form_.reset();
        InsertDialogTest::TearDown();
    }
    SizeForm& F() { return *form_; }
    void drag(double x0, double y0, double x1, double y1, int button = Mouse::Left) {
        F().Pic1_MouseDown(button, 0, x0, y0);
        F().Pic1_MouseMove(button, 0, x1, y1);
        F().Pic1_MouseUp(button, 0, x1, y1);
    }
    QSize picSize(PictureBox* p) { return {p->surface().widthPx(), p->surface().heightPx()}; }
    void clickFile(int row) {
        {
            const QSignalBlocker block(F().List1);
            F().List1->setCurrentRow(row);
        }
        F().List1_Click();
    }

    std::unique_ptr<SizeForm> form_;
};

TEST_F(SizeFormTest, OpensShowingTheDesign) {
    EXPECT_EQ(F().windowTitle(), "Foto importeren");
    EXPECT_EQ(F().Text1->text(), "415");
    EXPECT_EQ(F().Text2->text(), "310");
    EXPECT_FALSE(F().Text1->isEnabled());
    EXPECT_EQ(F().Label7->text(), sizeText(415, 310));
    EXPECT_EQ(F().Pic1->surface().pixel(414, 309), patternAt(414, 309, 7));
    EXPECT_EQ(F().Pic1->surface().pixel(415, 100), RGB(150, 250, 150));
    EXPECT_EQ(F().List1->count(), 0);
    F().Check1->setChecked(true);
    EXPECT_TRUE(F().Text2->isEnabled());
}

TEST_F(SizeFormTest, ScaleStepsOfFivePercentStartFromTheUnscaledPhoto) {
    F().ProcentScroll->setValue(1);
    EXPECT_EQ(F().Label9->text(), "Grootte : 5%");
    EXPECT_EQ(picSize(F().BackPic), QSize(20, 15)); // 415/20 and 310/20, rounded down
    EXPECT_EQ(F().Label7->text(), sizeText(20, 15));
    F().ProcentScroll->setValue(30);
    EXPECT_EQ(F().Label9->text(), "Grootte : 150%");
    EXPECT_EQ(picSize(F().BackPic), QSize(622, 465));
    // Stretched 3:2 from the unscaled photo: pixel 300 comes from pixel 200.
    EXPECT_EQ(F().BackPic->surface().pixel(300, 300), patternAt(200, 200, 7));
    EXPECT_EQ(F().Pic1->surface().pixel(700, 500), RGB(150, 250, 150));
}

TEST_F(SizeFormTest, ScaledSizesAreExactWherePercentagesMakeWholeNumbers) {
    struct Case {
        int w, h, step, sw, sh;
    };
    // 82 at 150 % is 123; 164 x 328 at 75, 125 and 150 %; 1000 x 92 at 125 %.
    for (const Case& c :
         {Case{82, 10, 30, 123, 15}, Case{164, 328, 15, 123, 246}, Case{164, 328, 25, 205, 410},
          Case{164, 328, 30, 246, 492}, Case{1000, 92, 25, 1250, 115}}) {
        SCOPED_TRACE(c.w * 100 + c.step);
        F().Orgineel->setPicture(photo(c.w, c.h, 9));
        F().ProcentScroll->setValue(c.step);
        EXPECT_EQ(picSize(F().BackPic), QSize(c.sw, c.sh));
        EXPECT_EQ(F().Label7->text(), sizeText(c.sw, c.sh));
        F().ProcentScroll->setValue(20);
    }
    // Every step of every width up to 6000: the exact quotient rounded down.
    for (int w = 1; w <= 6000; ++w)
        for (int v = 1; v <= 30; ++v) {
            const int s = SizeForm::scaledSide(w, v);
            ASSERT_TRUE(20 * s <= w * v && w * v < 20 * (s + 1)) << w << " at step " << v;
        }
}

TEST_F(SizeFormTest, FolderListsPicturesAndLoadsByContent) {
    const QString folder = path("Foto's");
    ASSERT_TRUE(QDir().mkpath(folder + "/Vakantie"));
    ASSERT_TRUE(photo(900, 700, 50).save(folder + "/b.BMP", "BMP"));
    ASSERT_TRUE(photo(40, 30, 60).save(folder + "/a.jpg", "BMP")); // a bitmap named .jpg
    writeFile("Foto's/c.gif", "not a picture");
    writeFile("Foto's/notes.txt", "x");
    F().setDir1Path(folder);
    ASSERT_EQ(F().List1->count(), 3);
    EXPECT_EQ(F().List1->item(0)->text(), "a.jpg");
    EXPECT_EQ(F().List1->item(1)->text(), "b.BMP");
    EXPECT_EQ(F().List1->item(2)->text(), "c.gif");
    EXPECT_FALSE(F().Dir1->findItems("Vakantie", Qt::MatchEndsWith).isEmpty());

    F().ProcentScroll->setValue(10);
    clickFile(1);
    EXPECT_EQ(F().ProcentScroll->value(), 20);
    EXPECT_EQ(F().Label9->text(), "Grootte : 100%");
    EXPECT_EQ(F().Label7->text(), sizeText(900, 700));
    EXPECT_EQ(picSize(F().Pic1), QSize(784, 580)); // cut off at the work area's edges
    EXPECT_EQ(F().Pic1->surface().pixel(783, 579), patternAt(783, 579, 50));
    EXPECT_FALSE(state_->services.busy.isBusy());

    // A file that is no picture is reported and the photo stays.
    dialogs->expectMsg("c.gif").title = "Error";
    clickFile(2);
    EXPECT_EQ(F().Label7->text(), sizeText(900, 700));
    EXPECT_EQ(F().Pic1->surface().pixel(10, 10), patternAt(10, 10, 50));

    // A folder that cannot be read leaves the lists as they were.
    F().setDir1Path(path("missing"));
    EXPECT_EQ(F().Dir1Path(), QDir::cleanPath(folder));
    EXPECT_EQ(F().List1->count(), 3);
}

TEST_F(SizeFormTest, FreeDragCropsTheRectangle) {
    F().Pic1_MouseDown(Mouse::Left, 0, 10, 20);
    F().Pic1_MouseMove(Mouse::Left, 0, 110, 70);
    EXPECT_TRUE(F().Layer->isVisibleTo(F().Pic1));
    EXPECT_EQ(F().Layer->geometry(), QRect(10, 20, 101, 51));
    EXPECT_EQ(F().Label13->text(), "Size 100 x 50 Pixels");
    F().Pic1_MouseUp(Mouse::Left, 0, 110, 70);
    EXPECT_FALSE(F().Layer->isVisibleTo(F().Pic1));
    EXPECT_EQ(picSize(F().Pic1), QSize(100, 50));
    EXPECT_EQ(F().Label7->text(), sizeText(100, 50));
    EXPECT_EQ(F().Pic1->surface().pixel(0, 0), patternAt(10, 20, 7));
    EXPECT_EQ(F().BackPic->surface().pixel(99, 49), patternAt(109, 69, 7));

    // A second drag crops the crop.
    drag(5, 5, 25, 15);
    EXPECT_EQ(picSize(F().Pic1), QSize(20, 10));
    EXPECT_EQ(F().Pic1->surface().pixel(0, 0), patternAt(15, 25, 7));

    // Reset brings the design back at its own size in the full work area.
    F().ResetKnop_Click();
    EXPECT_EQ(picSize(F().Pic1), QSize(784, 580));
    EXPECT_EQ(F().Label7->text(), sizeText(415, 310));
}

TEST_F(SizeFormTest, ReleasesThatSpanNoRectangleKeepThePicture) {
    F().Pic1_MouseDown(Mouse::Left, 0, 100, 100);
    F().Pic1_MouseMove(Mouse::Left, 0, 90, 95);
    EXPECT_EQ(F().Label13->text(), "Size -10 x -5 Pixels");
    EXPECT_EQ(F().Layer->geometry(), QRect(100, 100, 1, 1));
    F().Pic1_MouseUp(Mouse::Left, 0, 90, 95);
    drag(50, 50, 50, 50);                 // a click
    drag(10, 10, 200, 200, Mouse::Right); // another button
    EXPECT_EQ(picSize(F().Pic1), QSize(784, 580));
    EXPECT_EQ(picSize(F().BackPic), QSize(415, 310));
    EXPECT_EQ(F().Pic1->surface().pixel(300, 200), patternAt(300, 200, 7));
}

TEST_F(SizeFormTest, FixedSizeFrameFollowsThePointer) {
    F().Check1->setChecked(true);
    F().Text1->setText(" 50 px");
    F().Text2->setText("40");
    F().Pic1_MouseDown(Mouse::Left, 0, 5, 5);
    F().Pic1_MouseMove(Mouse::Left, 0, 30, 20);
    EXPECT_EQ(F().Layer->geometry(), QRect(30, 20, 50, 40));
    F().Pic1_MouseUp(Mouse::Left, 0, 30, 20);
    EXPECT_EQ(picSize(F().Pic1), QSize(50, 40));
    EXPECT_EQ(F().Pic1->surface().pixel(49, 39), patternAt(79, 59, 7));
    // Beyond the picture the frame's area keeps the work picture's background.
    drag(0, 0, 30, 30);
    EXPECT_EQ(picSize(F().Pic1), QSize(50, 40));
    EXPECT_EQ(F().Pic1->surface().pixel(0, 0), patternAt(60, 50, 7));
    EXPECT_EQ(F().Pic1->surface().pixel(45, 35), RGB(150, 250, 150));

    // A size that is no number crops nothing; a huge one is held to a sane size.
    F().Text1->setText("breed");
    drag(0, 0, 1, 1);
    EXPECT_EQ(picSize(F().Pic1), QSize(50, 40));
    F().Text1->setText("99999999");
    F().Pic1_MouseDown(Mouse::Left, 0, 0, 0);
    EXPECT_EQ(F().Layer->width(), SizeForm::kLargestFixedSide);
    F().Pic1_MouseUp(Mouse::Right, 0, 0, 0);
}

TEST_F(SizeFormTest, ExportHandsTheWorkPictureToTheCanvas) {
    state_->MeldingPlaatsen = true;
    drag(10, 20, 110, 70);
    expectPlacementHint();
    F().OkKnop_Click();
    EXPECT_EQ(F().result(), QDialog::Accepted);
    EXPECT_EQ(state_->Tool, 50);
    PictureBox* clip = main_->ClipPic;
    EXPECT_TRUE(clip->isVisibleTo(main_->Pic));
    EXPECT_EQ(clip->geometry(), QRect(0, 0, 100, 50));
    EXPECT_EQ(clip->surface().pixel(5, 5), patternAt(15, 25, 7));
}

TEST_F(SizeFormTest, ExportWithoutHintAndCancel) {
    state_->MeldingPlaatsen = false;
    F().OkKnop_Click(); // no box expected
    EXPECT_EQ(picSize(main_->ClipPic), QSize(784, 580));
    SizeForm other(*main_);
    other.CancelKnop_Click();
    EXPECT_EQ(other.result(), QDialog::Rejected);
}

TEST_F(SizeFormTest, PhotoScaledToNothingStaysSafe) {
    ASSERT_TRUE(photo(12, 8, 90).save(path("Ontwerpen/klein.bmp"), "BMP"));
    F().setDir1Path(path("Ontwerpen"));
    clickFile(0);
    F().ProcentScroll->setValue(1); // 12/20 x 8/20: nothing left
    EXPECT_EQ(F().Label7->text(), sizeText(0, 0));
    EXPECT_EQ(F().Pic1->surface().pixel(0, 0), RGB(150, 250, 150));
    drag(0, 0, 30, 20);
    EXPECT_EQ(picSize(F().Pic1), QSize(30, 20));
    EXPECT_EQ(F().Pic1->surface().pixel(29, 19), RGB(150, 250, 150));
    F().ProcentScroll->setValue(20);
    EXPECT_EQ(F().BackPic->surface().pixel(11, 7), patternAt(11, 7, 90));
}
