#pragma once
// The test frequencies of the document, shown read-only: the channel number and the receive
// and transmit frequency of each test frequency in use. The window has no actions of its own.
//
// Control names (objectName): MSFlexGrid1, CommandClose, CommandHelp (hidden).

#include <QWidget>

class QTableWidget;

namespace zb {
struct AppContext;
}

namespace zb::ui {

class FrmTestFre : public QWidget {
    Q_OBJECT
public:
    explicit FrmTestFre(AppContext& ctx, QWidget* parent = nullptr);

    QTableWidget* Grid() const { return grid_; }

private:
    void ShowData();

    AppContext& ctx_;
    QTableWidget* grid_ = nullptr;
};

}  // namespace zb::ui
