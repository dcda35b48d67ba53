#pragma once
// Operations that change a picture box in place, pixel by pixel or with one stretched
// copy of the picture onto itself: flips, mirror copies, sepia, dodge, neon, black and
// white, transparency. The picture boxes are measured in pixels.
//
// Every operation except the flips lets the event loop run (user input excluded) once
// per row or column and reports its progress; such an operation does nothing when
// another yielding operation or a filter is already running.
#include "imaging/ImagingState.h"
#include "platform/PictureBox.h"

namespace korv {

// Column x takes column W - 1 - x. Neither refreshes nor yields.
void FlipHorizontal(PictureBox& pic);
// Row y takes row H - 1 - y. Neither refreshes nor yields.
void FlipVertical(PictureBox& pic);

// The left half mirrored onto the right half.
void CopyLeftSide(ImagingState& state, PictureBox& pic);
// The top half mirrored onto the bottom half.
void CopyTopSide(ImagingState& state, PictureBox& pic);
// The top-left quarter mirrored into all four quarters.
void CopyCorners(ImagingState& state, PictureBox& pic);

// Sepia toning of a grey picture.
void ApplySepia(ImagingState& state, PictureBox& pic);
// Every component doubled, capped at 255.
void ApplyDodge(ImagingState& state, PictureBox& pic);
// Every component through the neon curve.
void ApplyNeon(ImagingState& state, PictureBox& pic);

// Asks for a threshold; each pixel whose rounded grey value reaches it turns white, the
// others black. Cancel, an empty answer or one that is not a number leave it untouched.
void ConvertBlackWhite(ImagingState& state, PictureBox& pic);

// Fades the canvas towards white: reads UndoPic, writes Pic; Percent (5 to 95) is how
// much of the design's own colour stays.
void ApplyTransparency(ImagingState& state, PictureBox& Pic, PictureBox& UndoPic, int Percent);

} // namespace korv
