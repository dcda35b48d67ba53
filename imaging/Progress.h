#pragma once
// The progress display of long pixel operations: a green bar in a picture box and a
// percentage in a label (the main window's Bar and BarLabel).
#include <QLabel>
#include <array>

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
    // Everything besides its text that a plain-text label's size hint depends on: while
    // it stays the same, a percentage's label size can be taken from labelSizes_.
    struct LabelLook {
        const QLabel* label = nullptr;
        QFont font;
        const QStyle* style = nullptr;
        int dpi = 0, margin = 0, indent = 0, frameWidth = 0;
        Qt::Alignment alignment;
        bool wordWrap = false;
        Qt::TextFormat format = Qt::AutoText;
        Qt::LayoutDirection direction = Qt::LeftToRight;
        QMargins contents;
        QSize minimum, maximum;
        bool operator==(const LabelLook&) const = default;
    };
    static LabelLook lookOf(const QLabel& label);
    void fitLabel();

    // What the last painting left, so that a call showing the same again can skip it.
    const PictureBox* paintedBar_ = nullptr;
    int paintedPercent_ = -1;
    qint64 paintedKey_ = 0; // the bar picture's cacheKey(), which any change to it moves
    const QLabel* shownLabel_ = nullptr;
    int shownPercent_ = -1;
    QString shownText_;
    QSize shownSize_;
    LabelLook sizedLook_;
    std::array<QSize, 101> labelSizes_{}; // by percentage; invalid where not yet measured
};

} // namespace korv
