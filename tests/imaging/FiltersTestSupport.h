#pragma once
// Fixture and picture helpers for the filter tests: small Format_RGB32 pictures built
// pixel by pixel, read back by 1-based column and row as the filters count them.
#include "imaging/Filters.h"
#include "imaging/ImagingState.h"
#include "imaging/Progress.h"
#include "platform/Services.h"

#include <QImage>
#include <array>
#include <gtest/gtest.h>
#include <initializer_list>
#include <vector>

namespace filterstest {

using Bgr = std::array<int, 3>; // blue, green, red

inline std::uint8_t* pixelAt(QImage& img, int x, int y) {
    return img.scanLine(y - 1) + 4 * (x - 1);
}

inline void setPx(QImage& img, int x, int y, Bgr c, int reserved = 0xFF) {
    std::uint8_t* p = pixelAt(img, x, y);
    p[0] = static_cast<std::uint8_t>(c[0]);
    p[1] = static_cast<std::uint8_t>(c[1]);
    p[2] = static_cast<std::uint8_t>(c[2]);
    p[3] = static_cast<std::uint8_t>(reserved);
}

inline Bgr px(const QImage& img, int x, int y) {
    const std::uint8_t* p = img.constScanLine(y - 1) + 4 * (x - 1);
    return {p[0], p[1], p[2]};
}

// A picture from rows of colours, top row first.
inline QImage colourPicture(std::initializer_list<std::initializer_list<Bgr>> rows) {
    const int h = static_cast<int>(rows.size());
    const int w = static_cast<int>(rows.begin()->size());
    QImage img(w, h, QImage::Format_RGB32);
    int y = 1;
    for (const auto& r : rows) {
        int x = 1;
        for (const Bgr& c : r)
            setPx(img, x++, y, c);
        ++y;
    }
    return img;
}

// A picture from rows of grey values (blue = green = red).
inline QImage greyPicture(std::initializer_list<std::initializer_list<int>> rows) {
    const int h = static_cast<int>(rows.size());
    const int w = static_cast<int>(rows.begin()->size());
    QImage img(w, h, QImage::Format_RGB32);
    int y = 1;
    for (const auto& r : rows) {
        int x = 1;
        for (int v : r)
            setPx(img, x++, y, {v, v, v});
        ++y;
    }
    return img;
}

inline QImage uniformPicture(int w, int h, Bgr c) {
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 1; y <= h; ++y)
        for (int x = 1; x <= w; ++x)
            setPx(img, x, y, c);
    return img;
}

// The blue channel of a picture, row by row (grey pictures: every channel).
inline std::vector<std::vector<int>> blueRows(const QImage& img) {
    std::vector<std::vector<int>> out;
    for (int y = 1; y <= img.height(); ++y) {
        std::vector<int> r;
        for (int x = 1; x <= img.width(); ++x)
            r.push_back(px(img, x, y)[0]);
        out.push_back(r);
    }
    return out;
}

// The same bytes (all four of every pixel).
inline bool sameBytes(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return false;
    for (int y = 0; y < a.height(); ++y)
        if (memcmp(a.constScanLine(y), b.constScanLine(y), 4 * static_cast<size_t>(a.width())))
            return false;
    return true;
}

class FiltersFixture : public ::testing::Test {
protected:
    korv::Services services;
    korv::ProgressDisplay progress;
    korv::ImagingState state{services, progress};
    korv::Filters filters{state};
    int Progress = -7;

    // Runs a filter and returns the picture it left.
    QImage run(int filterNo, QImage img, int param = 0) {
        filters.ApplyFilter(filterNo, img, param, Progress);
        return img;
    }
};

} // namespace filterstest
