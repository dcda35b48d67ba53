#include "ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

void ProgramFolderTest::SetUp() {
    ASSERT_TRUE(dir_.isValid());
    for (const char* sub : {"Data", "Cliparts", "Ontwerpen", "Supplementen/Wapens",
                            "Supplementen/Ontwerpen", "Verzameling"})
        ASSERT_TRUE(QDir().mkpath(dir_.path() + "/" + sub));
    services.programFolder = dir_.path();
    dialogs = std::make_shared<ScriptedDialogs>();
    services.dialogs = dialogs;
    services.clock->pauseScale = 0.0;
    services.random.seed(12345);
}

void ProgramFolderTest::TearDown() {
    dialogs->verifyDone();
}

QString ProgramFolderTest::path(const QString& sub) const {
    return dir_.path() + "/" + sub;
}

void ProgramFolderTest::writeFile(const QString& sub, const QByteArray& data) const {
    const QString p = path(sub);
    QDir().mkpath(QFileInfo(p).path());
    QFile f(p);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(data);
}
