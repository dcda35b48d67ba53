#pragma once
// Where the text-effect window puts each character of a text laid out along a path:
// a cosine wave, a straight line at an angle, an arc of a circle or of an ellipse.
// Pure functions, so the layouts can be checked without a window. Each character
// stands upright; only its print position (the top-left of its cell) follows the path.
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace korv {

class Surface;

namespace textpath {

// The layouts were drawn with pi as 3.14, and their pictures are made that way.
constexpr double kPi = 3.14;

// A print position in pixels, kept in single precision as the picture box keeps it.
struct CharPlace {
    float x = 0, y = 0;
};

// The characters of a text one by one (a character outside the basic plane is one).
QStringList characters(const QString& text);

// Character i (1..n) at X + i * Spacing, Y - Amplitude * cos(i * Curves * 2 / 360 * pi / n).
std::vector<CharPlace> wave(int X, int Y, int Spacing, int Curves, int Amplitude, int n);
// Character i at distance i * Spacing from (X, Y) in the direction Deg (degrees,
// clockwise on the screen from three o'clock).
std::vector<CharPlace> rotated(int X, int Y, int Deg, int Spacing, int n);
// Characters spread over Arc degrees of a circle around (X, Y), starting at Deg * 2
// degrees clockwise from twelve o'clock.
std::vector<CharPlace> circle(int X, int Y, int Radius, int Deg, int Arc, int n);
// As circle, with the half-axes Radius / sqrt(XFact) and Radius / sqrt(YFact). No
// layout (nullopt) for a factor below 1, which would divide by zero or worse.
std::optional<std::vector<CharPlace>> elliptic(int X, int Y, int Radius, int Deg, int XFact,
                                               int YFact, int Arc, int n);

// Clears the surface to `background` and prints the characters at their places in the
// surface's font and fore colour, transparently.
void printAlong(Surface& s, int background, const QStringList& chars,
                const std::vector<CharPlace>& places);

} // namespace textpath
} // namespace korv
