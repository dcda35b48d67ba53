#pragma once
// Two-colour gradient fills of a whole picture, drawn with the picture box's own line,
// box and circle drawing. Neither yields, shows progress or refreshes the picture.
#include "platform/PictureBox.h"

namespace korv {

// Direction: 0 top to bottom, 1 left to right, 2 bottom to top, 3 right to left,
// 4 diagonal from the top-left corner. Color1 lies at the start edge, Color2 at the far
// one. The scale mode and drawing width are restored afterwards. A picture too small
// for a whole step (60 pixels or less along a vertical gradient, 80 along a horizontal
// one) is left as it is.
void DrawLinearGradient(PictureBox& pic, int Color1, int Direction, int Color2);

// Concentric filled circles from the rim (Color1) inwards towards Color2 around the
// centre; both centre coordinates -1 mean the middle of the picture. The fill colour and
// style are restored afterwards. Steps of 0 or less draw nothing.
void DrawCircularGradient(PictureBox& pic, int Color1, int Color2, int Steps, double CenterX,
                          double CenterY);

} // namespace korv
