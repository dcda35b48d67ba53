#include "designfiles/ConfigForm.h"
#include "DesignFilesFixture.h"
#include "editor/Settings.h"
#include "platform/Colour.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

using namespace korv;

namespace {
int backOf(const QWidget* w) {
    return fromQColor(w->palette().color(QPalette::Window));
}
} // namespace

class ConfigFormTest : public DesignFilesTest {
protected:
    void SetUp() override {
        DesignFilesTest::SetUp();
        S().TekstOpVel = "Eigen tekst";
        S().VakKleurR = 10, S().VakKleurG = 20, S().VakKleurB = 30;
        S().HoofdKleurR = 100, S().HoofdKleurG = 110, S().HoofdKleurB = 120;
        S().MeldingPlaatsen = false;
    }
};

TEST_F(ConfigFormTest, BarsMoveSwatchAndValuesButNotTheSettings) {
    ConfigForm f(M());
    EXPECT_EQ(f.Label5[2]->text(), "30");
    EXPECT_EQ(f.HScroll2[1]->value(), 110);
    f.HScroll1[1]->setValue(100);
    EXPECT_EQ(backOf(f.Label3), RGB(10, 100, 30));
    EXPECT_EQ(f.Label5[1]->text(), "100");
    f.HScroll2[2]->setValue(255);
    EXPECT_EQ(backOf(f.Label7), RGB(100, 110, 255));
    EXPECT_EQ(f.Label8[2]->text(), "255");
    f.CancelKnop_Click();
    EXPECT_EQ(S().VakKleurG, 20);
    EXPECT_EQ(S().HoofdKleurB, 120);
}

TEST_F(ConfigFormTest, OkStoresEverythingAndColoursTheMainWindow) {
    ConfigForm f(M());
    f.Text1->setText("  Postzegels \"Noord\"  ");
    f.HScroll1[0]->setValue(1);
    f.HScroll2[0]->setValue(200);
    f.Check1->setChecked(true);
    f.OkKnop_Click();
    EXPECT_EQ(f.result(), QDialog::Accepted);
    EXPECT_EQ(RGB(S().VakKleurR, S().VakKleurG, S().VakKleurB), RGB(1, 20, 30));
    EXPECT_EQ(RGB(S().HoofdKleurR, S().HoofdKleurG, S().HoofdKleurB), RGB(200, 110, 120));
    EXPECT_TRUE(S().MeldingPlaatsen);
    EXPECT_EQ(backOf(M().Frame1), RGB(200, 110, 120));
    // Double quotes survive the settings file.
    EXPECT_EQ(S().TekstOpVel, "Postzegels \"Noord\"");
    ASSERT_TRUE(writeSettings(S(), path("check.ini")));
    S().TekstOpVel.clear();
    ASSERT_TRUE(readSettings(S(), path("check.ini")));
    EXPECT_EQ(S().TekstOpVel, "Postzegels \"Noord\"");

    ConfigForm again(M());
    EXPECT_EQ(again.Label8[0]->text(), "200");
    again.Text1->setText("   ");
    again.Check1->setChecked(false);
    again.OkKnop_Click();
    EXPECT_EQ(S().TekstOpVel, "");
    EXPECT_FALSE(S().MeldingPlaatsen);
}

TEST_F(ConfigFormTest, ResetStoresTheFactoryColoursAndCancelKeepsThem) {
    ConfigForm f(M());
    f.Text1->setText("anders");
    f.ResetKnop_Click();
    EXPECT_EQ(f.Text1->text(), kDefaultSheetText);
    EXPECT_TRUE(f.Check1->isChecked());
    EXPECT_EQ(f.Label8[2]->text(), "240");
    EXPECT_EQ(backOf(f.Label7), RGB(235, 235, 240));
    f.CancelKnop_Click();
    EXPECT_EQ(RGB(S().VakKleurR, S().VakKleurG, S().VakKleurB), RGB(240, 240, 240));
    EXPECT_EQ(RGB(S().HoofdKleurR, S().HoofdKleurG, S().HoofdKleurB), RGB(235, 235, 240));
    EXPECT_EQ(backOf(M().centralWidget()), RGB(235, 235, 240));
    EXPECT_EQ(S().TekstOpVel, "Eigen tekst");
    EXPECT_FALSE(S().MeldingPlaatsen);
}
