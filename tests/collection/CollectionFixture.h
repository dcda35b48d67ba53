#pragma once
// A collection window on a temporary program folder, with scripted dialogs, a
// recording shell and recording printers.
#include "ProgramFolder.h"
#include "RecordingPrinter.h"
#include "RecordingServices.h"
#include "collection/DatabaseForm.h"
#include "collection/ListView.h"
#include "editor/AppState.h"
#include "editor/Main.h"
#include "editor/WindowTable.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <algorithm>
#include <memory>

class CollectionTest : public ProgramFolderTest {
protected:
    void SetUp() override {
        ProgramFolderTest::SetUp();
        state = std::make_unique<korv::AppState>();
        state->services.programFolder = services.programFolder;
        state->services.dialogs = dialogs;
        state->services.clock = services.clock;
        shell = std::make_shared<RecordingShell>();
        state->services.shell = shell;
        printers = std::make_shared<RecordingPrinterService>();
        state->services.printers = printers;
        main = std::make_unique<korv::Main>(*state, windows);
    }
    void TearDown() override {
        form.reset();
        main.reset();
        ProgramFolderTest::TearDown();
    }
    korv::DatabaseForm& open() {
        form = std::make_unique<korv::DatabaseForm>(*main, naam);
        return *form;
    }
    // Fills the editor and presses "Add".
    void add(const korv::CollectionRecord& r) {
        form->showRecordInEditor(r);
        form->AddKnop_Click();
    }
    static korv::CollectionRecord rec(const QString& jaar, const QString& nr,
                                      const QString& onderwerp = "Onderwerp",
                                      const QString& cat = "Nederland",
                                      const QString& prijs = "1,00", const QString& mijn = "0,50") {
        return {jaar,    nr,         cat,    onderwerp,  "Frankeerzegel", "Getand",
                "10 ct", "Koningin", "Info", "Postfris", prijs,           mijn};
    }
    QByteArray readFile(const QString& sub) const {
        QFile f(path(sub));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // Lines of Latin-1 characters as the code page writes them: one byte each.
    static QByteArray crlf(const QStringList& lines) {
        QByteArray out;
        for (const QString& l : lines)
            out += l.toLatin1() + "\r\n";
        return out;
    }
    // Names in Dutch order, case counting for nothing. By their code points the accented
    // names and the ligatures (U+0132, U+0152) would come after "Zürich".
    static QStringList dutchNames() {
        return {"10",
                "9",
                "Amsterdam",
                "apeldoorn",
                "ede",
                QString::fromUtf16(u"Ëlandsgracht"),
                "Ezinge",
                QString::fromUtf16(u"\u0132sselmeer"),
                QString::fromUtf16(u"Italië"),
                QString::fromUtf16(u"Œuvre"),
                "Ouddorp",
                QString::fromUtf16(u"Zürich")};
    }
    static QStringList reversed(QStringList l) {
        std::reverse(l.begin(), l.end());
        return l;
    }
    QStringList column(int field) const {
        QStringList out;
        for (int i = 0; i < form->ListView1->count(); ++i)
            out << form->ListView1->record(i)[field];
        return out;
    }

    std::unique_ptr<korv::AppState> state;
    korv::WindowTable windows;
    std::unique_ptr<korv::Main> main;
    std::shared_ptr<RecordingShell> shell;
    std::shared_ptr<RecordingPrinterService> printers;
    QString naam;
    std::unique_ptr<korv::DatabaseForm> form;
};
