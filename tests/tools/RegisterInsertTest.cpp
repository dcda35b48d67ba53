#include "editor/WindowTable.h"
#include "tools/Register.h"

#include <gtest/gtest.h>

TEST(RegisterInsert, AddsTheFourInsertionWindows) {
    korv::WindowTable t;
    korv::registerInsertWindows(t);
    for (const char* name : {"ClipartForm", "ArrowForm", "BallonForm", "CaptureForm"})
        EXPECT_TRUE(t.has(name)) << name;
    EXPECT_FALSE(t.has("SizeForm"));
}
