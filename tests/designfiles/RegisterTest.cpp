#include "designfiles/Register.h"
#include "DesignFilesFixture.h"
#include "designfiles/ConfigForm.h"

#include <QApplication>
#include <QTimer>

using namespace korv;

TEST_F(DesignFilesTest, TheTableOpensTheWindowsModally) {
    WindowTable t;
    registerDesignFileWindows(t);
    for (const char* name : {"NieuwForm", "OpenForm", "SaveForm", "AfdrukForm", "ConfigForm"})
        EXPECT_TRUE(t.has(name)) << name;

    QString shown;
    QTimer::singleShot(0, [&] {
        if (auto* f = qobject_cast<ConfigForm*>(QApplication::activeModalWidget())) {
            shown = f->windowTitle();
            f->OkKnop_Click();
        }
    });
    S().TekstOpVel = " via de tabel ";
    EXPECT_TRUE(t.open("ConfigForm", M()));
    EXPECT_EQ(shown, "Instellingen");
    EXPECT_EQ(S().TekstOpVel, "via de tabel");
}
