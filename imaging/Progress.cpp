#include "imaging/Progress.h"

#include "platform/Colour.h"
#include "platform/PictureBox.h"

#include <cstdint>

namespace korv {

namespace {

// Two overlapping bands of two-pixel boxes: a brightening upper band and a darker one
// fading towards the bottom, the later boxes painting over.
const std::array<Surface::Band, 20>& bands() {
    static const std::array<Surface::Band, 20> all = [] {
        std::array<Surface::Band, 20> b{};
        for (int i = 0; i <= 9; ++i) {
            b[static_cast<std::size_t>(2 * i)] = {double(i), double(i + 1),
                                                  RGB(0, 130 + 10 * i, 0)};
            b[static_cast<std::size_t>(2 * i + 1)] = {double(i + 7), double(i + 8),
                                                      RGB(0, 200 - 10 * i, 0)};
        }
        return b;
    }();
    return all;
}

} // namespace

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
            // When the bar only grows over what this display painted, with nothing drawn
            // on it since, the columns already painted hold their last colours: paint and
            // show only the new ones (from the old edge, which the boxes include).
            const bool grows = bar == paintedBar_ && s.image().cacheKey() == paintedKey_ &&
                               ProgressPercent > paintedPercent_ && s.drawMode == DrawCopyPen;
            const double from = grows ? paintedPercent_ * 1.9 : 0;
            s.filledBands(from, length, bands().data(), static_cast<int>(bands().size()));
            if (grows) {
                const int left = s.toPx(from);
                bar->update(bar->borderPx() + left, 0, s.toPx(length) - left + 1, bar->height());
            } else {
                bar->Refresh();
            }
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
            fitLabel();
            shownLabel_ = label;
            shownPercent_ = ProgressPercent;
            shownSize_ = label->size();
        }
    }
}

ProgressDisplay::LabelLook ProgressDisplay::lookOf(const QLabel& label) {
    return {&label,
            label.font(),
            label.style(),
            label.logicalDpiY(),
            label.margin(),
            label.indent(),
            label.frameWidth(),
            label.alignment(),
            label.wordWrap(),
            label.textFormat(),
            label.layoutDirection(),
            label.contentsMargins(),
            label.minimumSize(),
            label.maximumSize()};
}

void ProgressDisplay::fitLabel() {
    // adjustSize() measures the new text by laying it out with the font, a third of what
    // a percentage step costs on the canvas. The label shows at most 101 texts, so each
    // size is measured once and then reused, for as long as nothing else it depends on
    // changes.
    const LabelLook look = lookOf(*label);
    if (look != sizedLook_) {
        labelSizes_.fill(QSize());
        sizedLook_ = look;
    }
    // A label that is a window of its own is also kept within its screen.
    if (ProgressPercent < 0 || ProgressPercent > 100 || label->isWindow()) {
        label->adjustSize();
        return;
    }
    QSize& size = labelSizes_[static_cast<std::size_t>(ProgressPercent)];
    if (size.isValid()) {
        label->resize(size);
    } else {
        label->adjustSize();
        size = label->size();
    }
}

void ProgressDisplay::clearBar() {
    if (bar) bar->clearPicture();
}

} // namespace korv
