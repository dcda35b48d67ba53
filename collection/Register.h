#pragma once
// Adds the collection window to the main window's table.
namespace korv {

class WindowTable;

void registerCollectionWindows(WindowTable& t);

} // namespace korv
