#pragma once
// A shell and a clipboard for tests that keep what they were given.
#include "platform/Services.h"

#include <QImage>
#include <QStringList>

class RecordingShell : public korv::Shell {
public:
    QStringList opened;
    bool open(const QString& target) override {
        opened << target;
        return true;
    }
};

class RecordingClipboard : public korv::Clipboard {
public:
    bool works = true;
    QImage last;
    int count = 0;
    bool setImage(const QImage& img) override {
        if (!works) return false;
        last = img;
        ++count;
        return true;
    }
};
