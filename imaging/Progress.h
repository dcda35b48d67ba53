#pragma once
// The progress display of long pixel operations: a green bar in a picture box and a
// percentage in a label (the main window's Bar and BarLabel).
#include <QLabel>

namespace korv {

class PictureBox;

class ProgressDisplay {
public:
    PictureBox* bar = nullptr; // may stay null (nothing is painted then)
    QLabel* label = nullptr;   // may stay null
    int ProgressPercent = 0;   // the percentage shown by the last call

    // Paints value/max as a percentage; max 0 repaints the last percentage.
    void ShowProgress(int value, int max);
    // Empties the bar's picture, as the main window does before each operation.
    void clearBar();

private:
    // What the last painting left, so that a call showing the same again can skip it.
    const PictureBox* paintedBar_ = nullptr;
    int paintedPercent_ = -1;
    qint64 paintedKey_ = 0; // the bar picture's cacheKey(), which any change to it moves
    const QLabel* shownLabel_ = nullptr;
    int shownPercent_ = -1;
    QString shownText_;
    QSize shownSize_;
};

} // namespace korv
