#pragma once
// A main window on a temporary program folder with scripted dialogs and a recording
// printer, and the supplement window opened on it.
#include "ProgramFolder.h"
#include "RecordingPrinter.h"
#include "editor/AppState.h"
#include "editor/Main.h"
#include "editor/WindowTable.h"
#include "supplement/SuppForm.h"

#include <memory>

class SuppTest : public ProgramFolderTest {
protected:
    void SetUp() override {
        ProgramFolderTest::SetUp();
        state_ = std::make_unique<korv::AppState>();
        state_->setDefaults();
        state_->services.dialogs = services.dialogs;
        state_->services.clock = services.clock;
        state_->services.programFolder = services.programFolder;
        printers_ = std::make_shared<RecordingPrinterService>();
        state_->services.printers = printers_;
        main_ = std::make_unique<korv::Main>(*state_, windows_);
    }
    void TearDown() override {
        form_.reset();
        main_.reset();
        state_.reset();
        ProgramFolderTest::TearDown();
    }

    korv::SuppForm& open() {
        form_ = std::make_unique<korv::SuppForm>(*main_);
        return *form_;
    }
    korv::AppState& S() { return *state_; }
    korv::SuppForm& F() { return *form_; }
    int px(int x, int y) const { return form_->Pic->surface().pixel(x, y); }
    // A left-button drag from (x1, y1) to (x2, y2) on the page.
    void drag(double x1, double y1, double x2, double y2, int button = korv::Mouse::Left) {
        F().Pic_MouseDown(button, 0, x1, y1);
        F().Pic_MouseMove(button, 0, x2, y2);
        F().Pic_MouseUp(button, 0, x2, y2);
    }
    // Pixels of one colour inside [x1, x2) x [y1, y2) and in the whole page.
    int countIn(int colour, int x1, int y1, int x2, int y2) const {
        int n = 0;
        for (int y = y1; y < y2; ++y)
            for (int x = x1; x < x2; ++x)
                n += px(x, y) == colour;
        return n;
    }
    int countAll(int colour) const { return countIn(colour, 0, 0, 480, 700); }

    std::unique_ptr<korv::AppState> state_;
    std::shared_ptr<RecordingPrinterService> printers_;
    korv::WindowTable windows_;
    std::unique_ptr<korv::Main> main_;
    std::unique_ptr<korv::SuppForm> form_;
};
