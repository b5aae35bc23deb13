#pragma once
// Opens the roger-beep editor; the main window puts it into its MDI area.

class QWidget;

namespace zb {
struct AppContext;
QWidget* CreateRogerBeepWindow(AppContext& ctx);
}  // namespace zb

using zb::CreateRogerBeepWindow;
