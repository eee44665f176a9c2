// The editable grid of the programs' tables: a table of texts in a dialog, with F5 copying a
// cell down, the context menu "&Bearbeiten", extra buttons and a check on OK.
#pragma once

#include <QAbstractTableModel>
#include <QDialog>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class QTableView;

namespace qtui {

/// A table as the user edits it: every cell a text.
struct Grid {
    std::string title;
    std::vector<std::string> headings;
    std::size_t readOnlyColumns = 0; ///< leading columns that are shown only
    bool fixedRows = false;          ///< rows can neither be added nor removed
    std::vector<std::vector<std::string>> rows;
    std::string note; ///< a hint under the grid, e.g. "F5 kopiert den Text nach Unten"
};

/// The grid as a Qt table model; a grid without fixed rows shows one empty row to type into.
class GridModel : public QAbstractTableModel {
  public:
    explicit GridModel(Grid& grid, QObject* parent = nullptr) : QAbstractTableModel(parent), grid_(grid) {}
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    /// The grid changed outside the model (a button refilled it).
    void refresh();

  private:
    Grid& grid_;
};

/// A button of the dialog besides OK and Abbrechen, acting on the grid.
struct GridButton {
    std::string text;
    std::function<void(Grid&)> act;
};

class GridDialog : public QDialog {
  public:
    /// `accept` checks and takes the grid on OK: nullopt closes the dialog, a text is shown
    /// under the dialog's title and the dialog stays open (an empty text: the check has shown
    /// its own message).
    GridDialog(QWidget* parent, Grid grid, std::vector<GridButton> buttons,
               std::function<std::optional<std::string>(const Grid&)> accept);
    const Grid& grid() const { return grid_; }
    QTableView* view() const { return view_; }

    // The editing aids, also for tests.
    /// F5: the current cell's text into the same column of every row below.
    void copyDown();
    void clearCells();
    void copyCells();
    void pasteCells();
    void insertEmptyRow();
    void removeRow();

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void tryAccept();
    void showContextMenu(const QPoint& at);

    Grid grid_;
    GridModel model_;
    QTableView* view_;
    std::function<std::optional<std::string>(const Grid&)> accept_;
    std::vector<std::vector<std::string>> clipboard_;
};

} // namespace qtui
