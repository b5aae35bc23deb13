#include "features/ui/row_list_grid.h"

#include <QFocusEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>

#include "base/ui/radio_text_guard.h"

namespace zb::ui {
namespace {

// No keyboard search: a typed character must not move the current cell.
class QuietTable : public QTableWidget {
public:
    using QTableWidget::QTableWidget;
    void keyboardSearch(const QString&) override {}
};

}  // namespace

RowListGrid::RowListGrid(int rows, int editColumns, QWidget* parent) : QWidget(parent) {
    grid_ = new QuietTable(rows, editColumns + 1, this);
    grid_->setObjectName("MSFlexGrid1");
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setTabKeyNavigation(false);
    grid_->verticalHeader()->hide();
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->horizontalHeader()->setSectionsClickable(false);
    grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c <= editColumns; ++c) {
            auto* item = new QTableWidgetItem(c == 0 ? QString::number(r + 1) : QString());
            item->setFlags(Qt::ItemIsEnabled | (c == 0 ? Qt::NoItemFlags : Qt::ItemIsSelectable));
            item->setTextAlignment(Qt::AlignCenter);
            grid_->setItem(r, c, item);
        }
    }
    grid_->setColumnWidth(0, 50);
    for (int c = 1; c <= editColumns; ++c) grid_->setColumnWidth(c, editColumns == 1 ? 220 : 110);
    int width = 2 * grid_->frameWidth();
    for (int c = 0; c <= editColumns; ++c) width += grid_->columnWidth(c);
    int height = 2 * grid_->frameWidth() + grid_->horizontalHeader()->sizeHint().height();
    for (int r = 0; r < rows; ++r) height += grid_->rowHeight(r);
    grid_->setFixedSize(width, height);

    box_ = new QLineEdit(grid_->viewport());
    box_->setObjectName("Text1");
    box_->setFrame(false);
    box_->setAlignment(Qt::AlignCenter);
    box_->hide();
    box_->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grid_);

    connect(grid_, &QTableWidget::currentCellChanged, this, [this](int row, int col) {
        CommitEdit();
        if (row >= 0 && col >= 1) EnterCell(row + 1, col);
    });
    connect(grid_, &QTableWidget::cellClicked, this, [this](int row, int col) {
        if (col >= 1 && !(editRow_ == row + 1 && editCol_ == col)) EnterCell(row + 1, col);
    });
}

void RowListGrid::SetHeadings(const QStringList& headings) { grid_->setHorizontalHeaderLabels(headings); }

void RowListGrid::SetCellText(int row, int col, const QString& text) {
    if (QTableWidgetItem* item = grid_->item(row - 1, col)) item->setText(text);
}

QString RowListGrid::CellText(int row, int col) const {
    const QTableWidgetItem* item = grid_->item(row - 1, col);
    return item ? item->text() : QString();
}

QString RowListGrid::BoxTextOf(int row, int col) const {
    return boxTextOf ? boxTextOf(row, col) : CellText(row, col);
}

void RowListGrid::EnterCell(int row, int col) {
    if (row < 1 || row > grid_->rowCount() || col < 1 || col >= grid_->columnCount()) return;
    CommitEdit();
    editRow_ = row;
    editCol_ = col;
    if (grid_->currentRow() != row - 1 || grid_->currentColumn() != col) {
        const QSignalBlocker quiet(grid_);
        grid_->setCurrentCell(row - 1, col);
    }
    box_->setText(BoxTextOf(row, col));
    PlaceBox();
    box_->show();
    box_->setFocus(Qt::OtherFocusReason);
    box_->selectAll();
}

void RowListGrid::PlaceBox() {
    if (QTableWidgetItem* item = grid_->item(editRow_ - 1, editCol_)) box_->setGeometry(grid_->visualItemRect(item));
}

void RowListGrid::CommitEdit() {
    if (editRow_ == 0) return;
    const int row = editRow_;
    const int col = editCol_;
    editRow_ = 0;  // hiding the box below loses its focus again
    const QString text = box_->text();
    box_->hide();
    if (text == BoxTextOf(row, col) || !commit) return;
    SetCellText(row, col, commit(row, col, text));
}

bool RowListGrid::eventFilter(QObject* watched, QEvent* event) {
    if (watched == box_ && event->type() == QEvent::FocusOut) {
        // Another program taking the focus is no reason to store anything.
        const auto* focus = static_cast<QFocusEvent*>(event);
        if (focus->reason() != Qt::PopupFocusReason && !FocusLeftTheProgram(focus)) CommitEdit();
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace zb::ui
