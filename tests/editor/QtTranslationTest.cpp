// Qt's Dutch translation on the real message and input boxes.
#include "editor/QtTranslation.h"
#include "platform/Services.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

// Once the box of type T shows, hands it to `inspect`, which must close it. Gives up
// after half a minute so that a box that never shows fails the test instead of hanging.
template <typename T> void whenShown(std::function<void(T*)> inspect, int triesLeft = 3000) {
    QTimer::singleShot(10, [inspect, triesLeft] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<T*>(w); box && box->isVisible()) {
                inspect(box);
                return;
            }
        if (triesLeft > 0) whenShown<T>(inspect, triesLeft - 1);
    });
}

// The visible buttons' texts without their shortcut marks, sorted: "Ja, Nee".
std::string buttonTexts(QWidget* box) {
    QStringList texts;
    for (QAbstractButton* b : box->findChildren<QAbstractButton*>())
        if (b->isVisibleTo(box)) texts << b->text().remove('&');
    texts.sort();
    return texts.join(", ").toStdString();
}

class QtTranslationTest : public ::testing::Test {
protected:
    void TearDown() override {
        // The other tests of this program see Qt's texts as they were.
        if (translator) QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    QTranslator* translator = nullptr;
    korv::QtDialogService dialogs;
};

TEST_F(QtTranslationTest, StandardButtonsReadDutchAndTheProgramsTextsStay) {
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!QFileInfo::exists(folder + "/qtbase_nl.qm"))
        GTEST_SKIP() << "Qt's Dutch translation is not installed: no qtbase_nl.qm in "
                     << folder.toStdString();
    translator = korv::installQtDutch(*qApp);
    ASSERT_NE(translator, nullptr);

    std::string seen;
    std::string text, title;
    whenShown<QMessageBox>([&](QMessageBox* box) {
        seen = buttonTexts(box);
        text = box->text().toStdString();
        title = box->windowTitle().toStdString();
        box->button(QMessageBox::No)->click();
    });
    EXPECT_EQ(dialogs.msgBox("Wilt u dit ontwerp opslaan?", korv::Mb::YesNo, " Opslaan"),
              korv::Mb::No);
    EXPECT_EQ(seen, "Ja, Nee");
    EXPECT_EQ(text, "Wilt u dit ontwerp opslaan?");
    EXPECT_EQ(title, " Opslaan");

    seen.clear();
    whenShown<QMessageBox>([&](QMessageBox* box) {
        seen = buttonTexts(box);
        box->button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(dialogs.msgBox("Klaar", korv::Mb::OkCancel, ""), korv::Mb::Ok);
    EXPECT_EQ(seen, "Annuleren, OK");

    seen.clear();
    std::string label;
    whenShown<QInputDialog>([&](QInputDialog* box) {
        seen = buttonTexts(box);
        label = box->labelText().toStdString();
        title = box->windowTitle().toStdString();
        box->reject();
    });
    EXPECT_EQ(dialogs.inputBox("Geef een naam voor deze verzameling...", "Naam Invullen", "X"), "");
    EXPECT_EQ(seen, "Annuleren, OK");
    EXPECT_EQ(label, "Geef een naam voor deze verzameling...");
    EXPECT_EQ(title, "Naam Invullen");
}

TEST_F(QtTranslationTest, WithoutTheFileQtsOwnTextsStay) {
    QTemporaryDir empty;
    ASSERT_TRUE(empty.isValid());
    translator = korv::installQtDutch(*qApp, empty.path());
    EXPECT_EQ(translator, nullptr);

    std::string seen;
    whenShown<QMessageBox>([&](QMessageBox* box) {
        seen = buttonTexts(box);
        box->button(QMessageBox::Yes)->click();
    });
    EXPECT_EQ(dialogs.msgBox("Doorgaan?", korv::Mb::YesNo, ""), korv::Mb::Yes);
    EXPECT_EQ(seen, "No, Yes");
}

} // namespace
