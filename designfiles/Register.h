#pragma once
// Adds the new, open, save and settings windows to the main window's table.
namespace korv {

class WindowTable;

void registerDesignFileWindows(WindowTable& t);

} // namespace korv
