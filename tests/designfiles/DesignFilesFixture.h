#pragma once
// A main window on a temporary program folder with the seven format templates, and a
// temporary pictures folder, for the design-file windows.
#include "ProgramFolder.h"
#include "editor/AppState.h"
#include "editor/Main.h"
#include "editor/WindowTable.h"

#include <QDialog>
#include <QImage>
#include <functional>
#include <memory>

class DesignFilesTest : public ProgramFolderTest {
protected:
    void SetUp() override;
    void TearDown() override;

    korv::AppState& S() { return *state_; }
    korv::Main& M() { return *main_; }

    // A picture of the given size in four coloured quarters.
    static QImage quarters(int w, int h);
    // Writes a picture into the designs folder as BMP (or JPEG).
    void writeDesign(const QString& fileName, const QImage& img, const char* format = "BMP");
    QString designFile(const QString& name) const { return path("Ontwerpen/" + name); }
    QString picturesFolder() const { return path("Pictures"); }

    // Unsaved work: a changed canvas beside an undo copy that differs from it.
    void makeUnsavedWork();
    // Presses "Ok" (`ok`) and answers No to the unsaved-work question: the canvas, its
    // undo copy, the design's path, the flag and the format stay, and the window stays
    // open.
    void expectNoKeepsTheDesign(const QDialog& window, const std::function<void()>& ok);
    static inline const QString kUnsavedDesign =
        "Het ontwerp is gewijzigd en niet opgeslagen. Toch doorgaan?";

    std::unique_ptr<korv::AppState> state_;
    korv::WindowTable windows_;
    std::unique_ptr<korv::Main> main_;
    QImage unsavedCanvas_, unsavedUndo_;
};
