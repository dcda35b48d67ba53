#include "platform/Services.h"

#include <gtest/gtest.h>

using korv::Random;

TEST(Random, SpreadsEvenlyOverZeroToOneAndRepeatsPerSeed) {
    Random r;
    r.seed(42);
    int buckets[16] = {};
    double first[4];
    for (int i = 0; i < 160000; ++i) {
        const double v = r.next();
        ASSERT_TRUE(v >= 0.0 && v < 1.0) << v;
        if (i < 4) first[i] = v;
        ++buckets[static_cast<int>(v * 16)];
    }
    for (int b : buckets)
        EXPECT_NEAR(b, 10000, 400);

    r.seed(42);
    for (double v : first)
        EXPECT_EQ(r.next(), v);
    r.seed(43);
    EXPECT_NE(r.next(), first[0]);

    // fill() gives the numbers next() would, in order, and goes on from there.
    double filled[5];
    r.seed(42);
    r.fill(filled, 3);
    EXPECT_EQ(filled[0], first[0]);
    EXPECT_EQ(filled[2], first[2]);
    EXPECT_EQ(r.next(), first[3]);

    // A fed sequence stands in for the generator until it is taken away.
    r.feed([] { return 0.25; });
    EXPECT_EQ(r.next(), 0.25);
    int k = 0;
    r.feed([&k] { return ++k / 8.0; });
    r.fill(filled, 5);
    EXPECT_EQ(filled[4], 5 / 8.0);
    r.feed(nullptr);
    r.seed(42);
    EXPECT_EQ(r.next(), first[0]);
}
