#pragma once
// A grid of numbered rows whose cells are edited in one box placed over the current cell, for
// the short lists of entries that name their row (autodial memory, fleet list). Entering a cell
// (or clicking the current one) opens the box with the cell's text; when the box loses the focus
// inside the program its text goes through the commit rule, and the cell shows what the rule
// made of it. An unchanged text commits nothing.
//
// Control names (objectName): MSFlexGrid1 (the grid; column 0 holds the row numbers), Text1 (the
// box).

#include <QWidget>
#include <functional>

class QLineEdit;
class QTableWidget;

namespace zb::ui {

class RowListGrid : public QWidget {
    Q_OBJECT
public:
    // rows numbered 1..rows; columns 1..editColumns are edited, column 0 shows the numbers.
    RowListGrid(int rows, int editColumns, QWidget* parent = nullptr);

    QTableWidget* Grid() const { return grid_; }
    QLineEdit* Box() const { return box_; }
    void SetHeadings(const QStringList& headings);
    void SetCellText(int row, int col, const QString& text);
    QString CellText(int row, int col) const;

    // The text the box starts with for a cell (default: the cell's text).
    std::function<QString(int row, int col)> boxTextOf;
    // Stores an edited text; gives the text the cell shows afterwards.
    std::function<QString(int row, int col, const QString& text)> commit;

    void EnterCell(int row, int col);
    // Commits the box's text if a cell is being edited, and closes the box.
    void CommitEdit();
    bool Editing() const { return editRow_ != 0; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString BoxTextOf(int row, int col) const;
    void PlaceBox();

    QTableWidget* grid_ = nullptr;
    QLineEdit* box_ = nullptr;
    int editRow_ = 0;  // 0: no edit
    int editCol_ = 0;
};

}  // namespace zb::ui
