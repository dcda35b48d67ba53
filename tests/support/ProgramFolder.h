#pragma once
// A temporary program folder with the tree the program expects beside itself.
#include "ScriptedDialogs.h"
#include "platform/Services.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

class ProgramFolderTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Path of a file below the program folder ("Data/x.txt").
    QString path(const QString& sub) const;
    // Writes a file below the program folder.
    void writeFile(const QString& sub, const QByteArray& data) const;

    QTemporaryDir dir_;
    korv::Services services;
    std::shared_ptr<ScriptedDialogs> dialogs;
};
