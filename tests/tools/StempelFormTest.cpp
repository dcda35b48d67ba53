#include "tools/StempelForm.h"
#include "FullDisk.h"
#include "InsertFixture.h"
#include "platform/VbMath.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <cmath>
#include <memory>

using namespace korv;

namespace {
constexpr int kGrey = 240 + 256 * 240 + 65536 * 240;

int countColour(const QImage& img, int colour) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (fromQRgb(img.pixel(x, y)) == colour) ++n;
    return n;
}

// The pixels a text in Arial bold leaves black when printed at (x, y) on white.
QImage printedAlone(const QString& text, double size, double x, double y) {
    Surface s(212, 212, kWhite);
    s.fontName = "Arial";
    s.fontBold = true;
    s.fontSize = size;
    s.foreColor = kBlack;
    s.currentX = static_cast<float>(x);
    s.currentY = static_cast<float>(y);
    s.print(text);
    return s.image();
}
} // namespace

class StempelFormTest : public InsertDialogTest {
protected:
    void SetUp() override {
        InsertDialogTest::SetUp();
        services.clock->fix(QDateTime(QDate(2026, 12, 7), QTime(10, 0)));
        form_ = std::make_unique<StempelForm>(M());
    }
    void TearDown() override {
        form_.reset();
        InsertDialogTest::TearDown();
    }
    StempelForm& F() { return *form_; }
    QImage pic() { return F().Pic->Image(); }
    QString stempelPath() { return path("Data/Stempel.bmp"); }

    // Checks that `after` differs from `before` exactly where `alone` has ink over a
    // white pixel of `before`, and nowhere outside `alone`'s ink.
    static void expectInkAdded(const QImage& before, const QImage& after, const QImage& alone) {
        int added = 0;
        for (int y = 0; y < 212; ++y)
            for (int x = 0; x < 212; ++x) {
                const bool ink = fromQRgb(alone.pixel(x, y)) == kBlack;
                const bool changed = before.pixel(x, y) != after.pixel(x, y);
                if (changed) ++added;
                ASSERT_FALSE(changed && !ink) << x << "," << y;
                if (ink && fromQRgb(before.pixel(x, y)) == kWhite) {
                    ASSERT_EQ(fromQRgb(after.pixel(x, y)), kBlack) << x << "," << y;
                }
            }
        EXPECT_GT(added, 10);
    }

    std::unique_ptr<StempelForm> form_;
};

TEST_F(StempelFormTest, OpensWithTodayAndTheDefaults) {
    EXPECT_EQ(F().windowTitle(), "Stempel Ontwerpen");
    EXPECT_EQ(F().Text1->text(), "Nederland");
    EXPECT_EQ(F().Combo1->currentText(), "7");
    EXPECT_EQ(F().Combo2->currentText(), "12");
    EXPECT_EQ(F().Combo3->currentText(), "2026");
    EXPECT_EQ(F().Combo4->currentText(), "22");
    EXPECT_TRUE(F().Check1->isChecked());
    EXPECT_EQ(F().Pic->size(), QSize(212, 212));

    // A year beyond the list still shows.
    services.clock->fix(QDateTime(QDate(2063, 2, 28), QTime(10, 0)));
    StempelForm later(*main_);
    EXPECT_EQ(later.Combo3->currentText(), "2063");
}

TEST_F(StempelFormTest, SavedRightAfterOpeningHoldsTheFrameOnly) {
    F().ExportKnop_Click();
    EXPECT_EQ(F().result(), QDialog::Accepted);
    QImage saved;
    ASSERT_TRUE(saved.load(stempelPath(), "BMP"));
    ASSERT_EQ(saved.size(), QSize(212, 212));
    EXPECT_EQ(fromQRgb(saved.pixel(0, 0)), kWhite);
    EXPECT_EQ(countColour(saved, kGrey), 0);
    // The rings of radius 102 and 65 round (106, 106), and the date band's lines.
    EXPECT_EQ(fromQRgb(saved.pixel(106, 4)), kBlack);
    EXPECT_EQ(fromQRgb(saved.pixel(106, 41)), kBlack);
    EXPECT_EQ(fromQRgb(saved.pixel(100, 86)), kBlack);
    EXPECT_EQ(fromQRgb(saved.pixel(100, 122)), kBlack);
    EXPECT_EQ(fromQRgb(saved.pixel(106, 24)), kWhite);  // the empty ring band
    EXPECT_EQ(fromQRgb(saved.pixel(106, 104)), kWhite); // the empty date band
}

TEST_F(StempelFormTest, BandsAreGreyOnlyAfterARedrawWithoutTransparency) {
    F().Text1->clear();
    F().Check1->setChecked(false);
    EXPECT_EQ(countColour(pic(), kGrey), 0); // the box alone redraws nothing
    F().HScroll1[0]->setValue(90);
    EXPECT_EQ(F().Label6->text(), "Rad (90)");
    EXPECT_EQ(fromQRgb(pic().pixel(106, 24)), kGrey);
    EXPECT_EQ(fromQRgb(pic().pixel(60, 104)), kGrey);
    EXPECT_EQ(fromQRgb(pic().pixel(0, 0)), kWhite);
    F().Check1->setChecked(true);
    F().HScroll1[1]->setValue(180);
    EXPECT_EQ(F().Label7->text(), "Arc (180)");
    EXPECT_EQ(countColour(pic(), kGrey), 0);
}

TEST_F(StempelFormTest, BorderTextFollowsTheCircleLayout) {
    F().Text1->clear();
    F().HScroll1[0]->setValue(70);
    const QImage frame = pic();
    // Two characters with radius 70, arc 200, start 40 (80 degrees).
    F().Text1->setText("WM");
    F().HScroll1[2]->setValue(40);
    F().HScroll1[1]->setValue(200);
    EXPECT_EQ(F().Label8->text(), "Deg (40)");
    QImage alone(212, 212, QImage::Format_RGB32);
    alone.fill(Qt::white);
    for (int i = 1; i <= 2; ++i) {
        const double a = 40 * 2 * 3.14 / 180 + i * (200 * 2 / 360.0 * 3.14) / 2;
        const QImage one =
            printedAlone(i == 1 ? "W" : "M", 22, 95 + 70 * std::sin(a), 88 - 70 * std::cos(a));
        for (int y = 0; y < 212; ++y)
            for (int x = 0; x < 212; ++x)
                if (fromQRgb(one.pixel(x, y)) == kBlack) alone.setPixel(x, y, qRgb(0, 0, 0));
    }
    expectInkAdded(frame, pic(), alone);
}

TEST_F(StempelFormTest, PreviewCentresTheDateUntilABarMoves) {
    F().Text1->clear();
    F().HScroll1[0]->setValue(84);
    const QImage frame = pic();
    F().ShowKnop_Click();
    EXPECT_EQ(F().Label4->text(), "7-12-2026");
    Surface measure(10, 10);
    measure.fontBold = true;
    measure.fontSize = 18;
    const double w = measure.textWidth("7-12-2026");
    expectInkAdded(frame, pic(), printedAlone("7-12-2026", 18, 106 - vbRound(w / 2), 90));
    // A bar redraws the border text alone, so the date is gone.
    F().HScroll1[0]->setValue(83);
    F().HScroll1[0]->setValue(84);
    EXPECT_EQ(pic(), frame);
}

TEST_F(StempelFormTest, OddInputLeavesThePictureSound) {
    F().HScroll1[0]->setValue(80);
    const QImage before = pic();
    F().ElipticText(*F().Pic, 95, 88, 80, 1, 0, 1, 360, "Nederland");
    EXPECT_EQ(pic(), before);
    // A font size that is no number keeps the size before.
    F().Combo4->setEditText("groot");
    F().HScroll1[0]->setValue(81);
    EXPECT_EQ(F().Pic->surface().fontSize, 22);
    F().Combo4->setEditText("12");
    F().HScroll1[0]->setValue(82);
    EXPECT_EQ(F().Pic->surface().fontSize, 12);
}

TEST_F(StempelFormTest, FailedSaveIsReportedAndCancelWritesNothing) {
    ASSERT_TRUE(QDir().mkpath(stempelPath() + "/in-the-way"));
    dialogs->expectError("Fout bij het opslaan v/d stempel!");
    F().ExportKnop_Click();
    EXPECT_TRUE(QDir(stempelPath() + "/in-the-way").exists());

    ASSERT_TRUE(QDir(stempelPath()).removeRecursively());
    StempelForm other(*main_);
    other.CancelKnop_Click();
    EXPECT_EQ(other.result(), QDialog::Rejected);
    EXPECT_FALSE(QFile::exists(stempelPath()));
}

namespace {
class StempelFullDiskTest : public StempelFormTest,
                            public ::testing::WithParamInterface<FullDiskKind> {};
} // namespace

TEST_P(StempelFullDiskTest, FullDiskKeepsTheOldPostmarkAndSaysSo) {
    writeFile("Data/Stempel.bmp", "old postmark");
    FullDisk full(GetParam(), path("Data"));
    if (!full.active()) GTEST_SKIP() << full.reason().toStdString();
    const QStringList before = full.entries();

    dialogs->expectError("Fout bij het opslaan v/d stempel!");
    F().ExportKnop_Click();
    dialogs->verifyDone();
    EXPECT_EQ(fileBytes(stempelPath()), "old postmark");
    EXPECT_EQ(full.entries(), before);
}

INSTANTIATE_TEST_SUITE_P(FullDisk, StempelFullDiskTest, kFullDiskKinds, fullDiskName);
