#pragma once
// A main window on a temporary program folder, with scripted dialogs and a fake shell
// and clipboard.
#include "ProgramFolder.h"
#include "RecordingServices.h"
#include "editor/AppState.h"
#include "editor/Main.h"
#include "editor/WindowTable.h"

#include <QFile>
#include <memory>

class MainTest : public ProgramFolderTest {
protected:
    void SetUp() override {
        ProgramFolderTest::SetUp();
        state = std::make_unique<korv::AppState>();
        state->services.programFolder = services.programFolder;
        state->services.dialogs = dialogs;
        state->services.clock = services.clock;
        shell = std::make_shared<RecordingShell>();
        clipboard = std::make_shared<RecordingClipboard>();
        state->services.shell = shell;
        state->services.clipboard = clipboard;
    }
    void TearDown() override {
        main.reset();
        ProgramFolderTest::TearDown();
    }
    // Builds the window and runs its load handler.
    korv::Main& load() {
        main = std::make_unique<korv::Main>(*state, windows);
        main->Form_Load();
        return *main;
    }
    // A template picture of the right size for a format, in one colour.
    void writeTemplate(int format, int w, int h, QRgb colour = qRgb(255, 255, 255)) {
        QImage img(w + 45, h + 45, QImage::Format_RGB32);
        img.fill(colour);
        ASSERT_TRUE(img.save(path(QString("Data/Template-%1.jpg").arg(format)), "JPEG"));
    }
    QByteArray readFile(const QString& sub) {
        QFile f(path(sub));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    std::unique_ptr<korv::AppState> state;
    korv::WindowTable windows;
    std::unique_ptr<korv::Main> main;
    std::shared_ptr<RecordingShell> shell;
    std::shared_ptr<RecordingClipboard> clipboard;
};
