#pragma once
// Adds the supplement page designer to the main window's table.
namespace korv {

class WindowTable;

void registerSupplementWindows(WindowTable& t);

} // namespace korv
