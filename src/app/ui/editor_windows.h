#pragma once
// Every editor window the main window can open, by key.

namespace zb::ui {

class ChildWindowFactory;

void RegisterEditorWindows(ChildWindowFactory& factory);

}  // namespace zb::ui
