#pragma once
// The print list: the used channels of every group of the document, read-only, in a modal
// dialog. It has no actions of its own.
//
// Control names (objectName): MSFlexGrid1, CommandClose, CommandHelp (hidden).

#include <QDialog>

class QTableWidget;

namespace zb {
struct AppContext;
}

namespace zb::ui {

class FrmPrintList : public QDialog {
    Q_OBJECT
public:
    explicit FrmPrintList(AppContext& ctx, QWidget* parent = nullptr);

    QTableWidget* Grid() const { return grid_; }

private:
    void ShowData();

    AppContext& ctx_;
    QTableWidget* grid_ = nullptr;
};

}  // namespace zb::ui
