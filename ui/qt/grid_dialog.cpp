// The grid dialog of the tables.
#include "ui/qt/grid_dialog.hpp"

#include "ui/qt/qt_ui.hpp"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace qtui {

namespace {

std::size_t columns(const Grid& g) {
    return g.headings.size();
}

} // namespace

int GridModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    return static_cast<int>(grid_.rows.size()) + (grid_.fixedRows ? 0 : 1);
}

int GridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns(grid_));
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    // The cells hold numbers: right-aligned, so that the places line up.
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
    const auto r = static_cast<std::size_t>(index.row());
    const auto c = static_cast<std::size_t>(index.column());
    if (r >= grid_.rows.size() || c >= grid_.rows[r].size()) return QString();
    return qs(grid_.rows[r][c]);
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    const auto c = static_cast<std::size_t>(section);
    return c < grid_.headings.size() ? qs(grid_.headings[c]) : QVariant();
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (static_cast<std::size_t>(index.column()) >= grid_.readOnlyColumns) f |= Qt::ItemIsEditable;
    return f;
}

bool GridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole) return false;
    const auto r = static_cast<std::size_t>(index.row());
    const auto c = static_cast<std::size_t>(index.column());
    if (c < grid_.readOnlyColumns || c >= columns(grid_)) return false;
    if (r == grid_.rows.size()) {
        // Typing into the empty last row makes it a row of the table.
        if (grid_.fixedRows) return false;
        beginInsertRows({}, rowCount(), rowCount());
        grid_.rows.emplace_back(columns(grid_));
        endInsertRows();
    }
    if (r >= grid_.rows.size()) return false;
    grid_.rows[r].resize(columns(grid_));
    grid_.rows[r][c] = value.toString().trimmed().toStdString();
    emit dataChanged(index, index);
    return true;
}

void GridModel::refresh() {
    beginResetModel();
    endResetModel();
}

GridDialog::GridDialog(QWidget* parent, Grid grid, std::vector<GridButton> buttons,
                       std::function<std::optional<std::string>(const Grid&)> accept)
    : QDialog(parent), grid_(std::move(grid)), model_(grid_), view_(new QTableView(this)),
      accept_(std::move(accept)) {
    setWindowTitle(qs(grid_.title));
    view_->setModel(&model_);
    view_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    view_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(view_, &QTableView::customContextMenuRequested, this,
            [this](const QPoint& at) { showContextMenu(at); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_);
    if (!grid_.note.empty()) layout->addWidget(new QLabel(qs(grid_.note), this));
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    box->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    box->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    for (auto& b : buttons) {
        QPushButton* button = box->addButton(qs(b.text), QDialogButtonBox::ActionRole);
        connect(button, &QPushButton::clicked, this, [this, act = std::move(b.act)] {
            act(grid_);
            model_.refresh();
        });
    }
    connect(box, &QDialogButtonBox::accepted, this, [this] { tryAccept(); });
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(box);
    resize(160 + 110 * static_cast<int>(columns(grid_)), 520);
}

void GridDialog::tryAccept() {
    if (auto error = accept_ ? accept_(grid_) : std::nullopt) {
        if (!error->empty()) QMessageBox::warning(this, qs(grid_.title), qs(*error));
        return;
    }
    accept();
}

void GridDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F5) {
        copyDown();
        return;
    }
    QDialog::keyPressEvent(event);
}

void GridDialog::copyDown() {
    const QModelIndex at = view_->currentIndex();
    if (!at.isValid()) return;
    const auto r = static_cast<std::size_t>(at.row());
    const auto c = static_cast<std::size_t>(at.column());
    if (r >= grid_.rows.size() || c < grid_.readOnlyColumns) return;
    for (std::size_t below = r + 1; below < grid_.rows.size(); ++below) {
        grid_.rows[below].resize(columns(grid_));
        grid_.rows[below][c] = grid_.rows[r][c];
    }
    model_.refresh();
    view_->setCurrentIndex(model_.index(at.row(), at.column()));
}

void GridDialog::clearCells() {
    for (const QModelIndex& i : view_->selectionModel()->selectedIndexes())
        model_.setData(i, QString(), Qt::EditRole);
}

void GridDialog::copyCells() {
    // The selected block, row by row from its top left cell.
    clipboard_.clear();
    auto selected = view_->selectionModel()->selectedIndexes();
    std::sort(selected.begin(), selected.end());
    int row = -1;
    for (const QModelIndex& i : selected) {
        if (i.row() != row) {
            clipboard_.emplace_back();
            row = i.row();
        }
        clipboard_.back().push_back(model_.data(i, Qt::DisplayRole).toString().toStdString());
    }
}

void GridDialog::pasteCells() {
    const QModelIndex at = view_->currentIndex();
    if (!at.isValid()) return;
    for (std::size_t r = 0; r < clipboard_.size(); ++r)
        for (std::size_t c = 0; c < clipboard_[r].size(); ++c)
            model_.setData(model_.index(at.row() + static_cast<int>(r),
                                        at.column() + static_cast<int>(c)),
                           qs(clipboard_[r][c]), Qt::EditRole);
}

void GridDialog::insertEmptyRow() {
    if (grid_.fixedRows) return;
    const QModelIndex at = view_->currentIndex();
    const auto r = at.isValid() ? std::min(static_cast<std::size_t>(at.row()), grid_.rows.size())
                                : grid_.rows.size();
    grid_.rows.insert(grid_.rows.begin() + static_cast<std::ptrdiff_t>(r),
                      std::vector<std::string>(columns(grid_)));
    model_.refresh();
}

void GridDialog::removeRow() {
    if (grid_.fixedRows) return;
    const QModelIndex at = view_->currentIndex();
    if (!at.isValid() || static_cast<std::size_t>(at.row()) >= grid_.rows.size()) return;
    grid_.rows.erase(grid_.rows.begin() + at.row());
    model_.refresh();
}

void GridDialog::showContextMenu(const QPoint& at) {
    QMenu menu(this);
    QMenu* edit = menu.addMenu(QStringLiteral("&Bearbeiten"));
    edit->addAction(QStringLiteral("&Löschen"), this, [this] { clearCells(); });
    edit->addAction(QStringLiteral("&Kopieren"), this, [this] { copyCells(); });
    edit->addAction(QStringLiteral("&Einfügen"), this, [this] { pasteCells(); });
    QAction* empty = edit->addAction(QStringLiteral("Leer&zeile"), this, [this] { insertEmptyRow(); });
    QAction* remove = edit->addAction(QStringLiteral("Zeile &streichen"), this, [this] { removeRow(); });
    empty->setEnabled(!grid_.fixedRows);
    remove->setEnabled(!grid_.fixedRows);
    menu.exec(view_->viewport()->mapToGlobal(at));
}

} // namespace qtui
