#pragma once
// Opens the option features editor; the main window puts it into its MDI area.

class QWidget;

namespace zb {
struct AppContext;
QWidget* CreateOptionFeaturesWindow(AppContext& ctx);
}  // namespace zb

using zb::CreateOptionFeaturesWindow;
