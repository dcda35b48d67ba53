// Every test program runs with one QApplication on the offscreen platform.
#include <QApplication>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>

int main(int argc, char** argv) {
    // Mounts of its own (where the program may have them): a small file system that a
    // test mounts to fill up goes away with the program, even when the test dies first.
    if (::unshare(CLONE_NEWNS) == 0) ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
