#pragma once
// A main window on a temporary program folder, for the insertion dialogs.
#include "ProgramFolder.h"
#include "editor/AppState.h"
#include "editor/Main.h"
#include "editor/WindowTable.h"
#include "platform/Colour.h"
#include "platform/PictureBox.h"

#include <QImage>
#include <functional>
#include <memory>

class InsertDialogTest : public ProgramFolderTest {
protected:
    void SetUp() override {
        ProgramFolderTest::SetUp();
        state_ = std::make_unique<korv::AppState>();
        state_->services.dialogs = services.dialogs;
        state_->services.clock = services.clock;
        state_->services.programFolder = services.programFolder;
        state_->setDefaults();
        state_->MeldingPlaatsen = false;
        state_->Tool = 3;
        main_ = std::make_unique<korv::Main>(*state_, windows_);
    }
    void TearDown() override {
        main_.reset();
        state_.reset();
        ProgramFolderTest::TearDown();
    }
    korv::AppState& S() { return *state_; }
    korv::Main& M() { return *main_; }

    // A picture whose pixel (x, y) has the colour f(x, y).
    static QImage pattern(int w, int h, const std::function<int(int, int)>& f) {
        QImage img(w, h, QImage::Format_RGB32);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                img.setPixel(x, y, korv::toQRgb(f(x, y)));
        return img;
    }
    void saveBmp(const QString& sub, const QImage& img) { ASSERT_TRUE(img.save(path(sub), "BMP")); }
    static int px(const QImage& img, int x, int y) { return korv::fromQRgb(img.pixel(x, y)); }

    // The floating picture holds exactly `expected`, at the canvas's top-left, shown.
    void expectHandedOver(const QImage& expected) {
        korv::PictureBox* c = M().ClipPic;
        EXPECT_FALSE(c->isHidden());
        EXPECT_EQ(c->Left(), 0);
        EXPECT_EQ(c->Top(), 0);
        ASSERT_EQ(c->Image().size(), expected.size());
        EXPECT_EQ(c->Image(), expected.convertToFormat(QImage::Format_RGB32));
    }
    void expectPlacementHint() {
        auto& e = dialogs->expectMsg("Verschuif met ingedrukte linkermuisknop het object.\r\n"
                                     "Klik vervolgens rechts op het object voor het plaatsen.");
        e.buttons = korv::Mb::OkOnly;
        e.title = korv::kProgramTitle;
    }

    std::unique_ptr<korv::AppState> state_;
    korv::WindowTable windows_;
    std::unique_ptr<korv::Main> main_;
};
