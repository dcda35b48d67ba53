#pragma once
// The insertion dialogs, the text-effect window, the picture-frame window and the
// postmark designer, added to the window table that Main opens them through.
namespace korv {

class WindowTable;

void registerToolWindows(WindowTable& t);

// Each group of windows adds its own entries.
void registerInsertWindows(WindowTable& t);     // ClipartForm, ArrowForm, BallonForm, CaptureForm
void registerPictureWindows(WindowTable& t);    // LijstForm, SizeForm, StempelForm
void registerTextEffectWindows(WindowTable& t); // WaveTextForm

} // namespace korv
