#include "imaging/Progress.h"

#include "platform/Colour.h"
#include "platform/PictureBox.h"

#include <cstdint>

namespace korv {

void ProgressDisplay::ShowProgress(int value, int max) {
    // A single row or column (or two for the halving operations) gives max 0: keep the
    // last percentage rather than divide by it.
    if (max != 0) ProgressPercent = static_cast<int>(static_cast<std::int64_t>(value) * 100 / max);

    // Filters call this after every row, while the percentage changes only a hundred
    // times: the bar and the label are only painted again when they would change.
    const double length = ProgressPercent * 1.9;
    if (bar) {
        Surface& s = bar->surface();
        if (bar != paintedBar_ || ProgressPercent != paintedPercent_ ||
            s.image().cacheKey() != paintedKey_) {
            // Two overlapping bands of two-pixel boxes: a brightening upper band and a
            // darker one fading towards the bottom, the later boxes painting over.
            for (int i = 0; i <= 9; ++i) {
                s.filledBox(0, i, length, i + 1, RGB(0, 130 + 10 * i, 0));
                s.filledBox(0, i + 7, length, i + 8, RGB(0, 200 - 10 * i, 0));
            }
            bar->Refresh();
            paintedBar_ = bar;
            paintedPercent_ = ProgressPercent;
            paintedKey_ = s.image().cacheKey();
        }
    }
    if (label) {
        if (label != shownLabel_ || ProgressPercent != shownPercent_ ||
            label->text() != shownText_ || label->size() != shownSize_) {
            shownText_ = QString::number(ProgressPercent) + QStringLiteral("%");
            label->setText(shownText_);
            label->adjustSize();
            shownLabel_ = label;
            shownPercent_ = ProgressPercent;
            shownSize_ = label->size();
        }
    }
}

void ProgressDisplay::clearBar() {
    if (bar) bar->clearPicture();
}

} // namespace korv
