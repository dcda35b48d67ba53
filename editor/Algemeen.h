#pragma once
// Shared procedures of the editor that other windows call too.
#include <QFont>
#include <QString>

namespace korv {

class Main;
class PictureBox;
struct AppState;

// Opens a document or web address with the desktop's program; failures are silent.
void ShellOpen(AppState& s, const QString& target);
// Waits the given seconds while the windows stay alive; 0 or less returns at once.
void Pause(AppState& s, double seconds);
bool FileExistsAt(const QString& path);
// True when unsaved work may go: nothing changed, or the user answers Yes to `question`
// (which then gives the work up and clears `changed`). No keeps everything.
bool mayDiscardChanges(AppState& s, bool& changed, const QString& question);
bool FolderExistsAt(const QString& path);
// The main window, its frames and check boxes in the settings' background colour.
void ApplyBackColor(Main& m);
// Puts the picture box's image on the clipboard and says so.
void CopyToClipboard(Main& m, PictureBox& pic);
void ShowSpecialCharacters(AppState& s);
QString specialCharactersText();

// A label's font and size in pixels when it shows `text` in a style (the text tools
// measure the floating text this way).
struct StyledText {
    QFont font;
    int width, height;
};
StyledText measureStyledText(const QString& fontName, double size, bool bold, bool italic,
                             bool underline, const QString& text);

// Canvas sizes of the stamp formats 1 to 7 in pixels; an empty size for others.
struct FormatSize {
    int width, height;
};
FormatSize formatSize(int format);
// Lays the main window out for a stamp format and loads its template.
void SetDesignFormat(Main& m, int format);
void DrawRulers(Main& m);

} // namespace korv
