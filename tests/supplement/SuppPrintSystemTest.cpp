// The supplement page through a real print system: a refused or vanished queue gets the
// designer's own failure message, a working one a printout.
#include "PrivateCups.h"
#include "SuppFixture.h"
#include "platform/Printer.h"

using namespace korv;

TEST_F(SuppTest, APrintoutThePrintSystemDoesNotTakeIsReported) {
    PrivateCups cups;
    if (!cups.active()) GTEST_SKIP() << cups.reason().toStdString();
    ASSERT_TRUE(cups.addPdfQueue("Album"));
    ASSERT_TRUE(cups.addPdfQueue("Weiger"));
    ASSERT_TRUE(cups.addPdfQueue("Weg"));
    auto printers = std::make_shared<QtPrinterService>(path("Afdrukken"));
    S().services.printers = printers;
    open();
    auto print = [&](const QString& name) {
        const int index = int(printers->names().indexOf(name));
        ASSERT_GE(index, 0) << name.toStdString();
        printers->setCurrent(index);
        F().FilePrint_Click();
    };
    print("Album");
    EXPECT_EQ(cups.waitForPdfs(1).size(), 1) << cups.log().right(2000).toStdString();

    ASSERT_TRUE(cups.run("cupsreject", {"Weiger"}));
    dialogs->expectMsg("Het supplement kon niet worden afgedrukt op Weiger.").title = "Error";
    print("Weiger");
    dialogs->verifyDone();

    const int gone = int(printers->names().indexOf("Weg"));
    ASSERT_TRUE(cups.run("lpadmin", {"-x", "Weg"}));
    dialogs->expectMsg("Het supplement kon niet worden afgedrukt op Weg.").title = "Error";
    printers->setCurrent(gone);
    F().FilePrint_Click();
    dialogs->verifyDone();
    EXPECT_EQ(cups.waitForPdfs(2, 3000).size(), 1) << "only the first page was printed";
}
