#include "app/profile_grid_view.h"

#include <QApplication>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>

#include "app/cell_editor_delegate.h"

namespace quorvane {
namespace {

bool IsCellTabKey(const QKeyEvent& key) {
  if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
  return key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab;
}

bool IsForwardTab(const QKeyEvent& key) {
  return key.key() == Qt::Key_Tab && !(key.modifiers() & Qt::ShiftModifier);
}

// Left and Right move the cursor within the text; from its start, from its
// end or over a wholly selected text they move to the neighbouring cell.
bool LeavesTextSideways(const QLineEdit& editor, const QKeyEvent& key) {
  if (key.modifiers() != Qt::NoModifier && key.modifiers() != Qt::KeypadModifier) return false;
  const bool all_selected = editor.selectedText() == editor.text();
  if (key.key() == Qt::Key_Left) return all_selected || editor.cursorPosition() == 0;
  if (key.key() == Qt::Key_Right) {
    return all_selected || editor.cursorPosition() == editor.text().size();
  }
  return false;
}

}  // namespace

ProfileGridView::ProfileGridView(QWidget* parent) : QTableView(parent) {
  setItemDelegate(new CellEditorDelegate(this));
  // The persistent editor on the current cell is the only editor.
  setEditTriggers(NoEditTriggers);
  setSelectionMode(ContiguousSelection);
  setSelectionBehavior(SelectItems);
  // Tab is handled here, between cells; the view's own tab navigation would
  // stop at the last cell and leave the table.
  setTabKeyNavigation(false);
  setCornerButtonEnabled(false);
  setWordWrap(false);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  SetUpHeaders();
}

void ProfileGridView::SetUpHeaders() {
  QHeaderView* columns = horizontalHeader();
  columns->setFixedHeight(kRowHeight);
  columns->setSectionResizeMode(QHeaderView::Interactive);
  columns->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  columns->setSectionsClickable(false);
  columns->setHighlightSections(false);
  columns->setSectionsMovable(false);

  QHeaderView* rows = verticalHeader();
  rows->setFixedWidth(kRowNumberWidth);
  rows->setMinimumSectionSize(1);
  rows->setDefaultSectionSize(kRowHeight);
  rows->setSectionResizeMode(QHeaderView::Fixed);
  rows->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  rows->setSectionsClickable(false);
  rows->setHighlightSections(false);
  rows->setSectionsMovable(false);
}

void ProfileGridView::setModel(QAbstractItemModel* model) {
  QTableView::setModel(model);
  setColumnWidth(0, kPositionWidth);
  setColumnWidth(1, kDoseRateWidth);
}

QWidget* ProfileGridView::CurrentEditor() const {
  return editor_cell_.isValid() ? indexWidget(editor_cell_) : nullptr;
}

void ProfileGridView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  QTableView::currentChanged(current, previous);
  MoveEditorToCurrentCell();
}

void ProfileGridView::MoveEditorToCurrentCell() {
  const QWidget* old_editor = CurrentEditor();
  const bool take_focus = hasFocus() || (old_editor != nullptr && old_editor->hasFocus());
  CloseEditor();
  editor_cell_ = currentIndex();
  if (!editor_cell_.isValid()) return;
  openPersistentEditor(editor_cell_);
  auto* editor = qobject_cast<QLineEdit*>(indexWidget(editor_cell_));
  if (editor == nullptr) return;
  // Every keystroke is in the cell already, so the delegate's key and focus
  // handling, made to commit and close editors, has nothing to do; left in
  // place it would commit this editor late, after it has moved on.
  editor->removeEventFilter(itemDelegate());
  editor->installEventFilter(this);
  // Arriving in a cell selects its text, so typing replaces it.
  editor->selectAll();
  if (take_focus) editor->setFocus(Qt::OtherFocusReason);
}

void ProfileGridView::CloseEditor() {
  QWidget* editor = CurrentEditor();
  if (editor == nullptr) return;
  // A hidden widget that has the focus passes it to the next control; the
  // view keeps it instead until the next cell's editor takes it.
  if (editor->hasFocus()) {
    moving_editor_ = true;
    setFocus(Qt::OtherFocusReason);
    moving_editor_ = false;
  }
  editor->removeEventFilter(this);
  closePersistentEditor(editor_cell_);
}

void ProfileGridView::rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end) {
  // Closed here, the editor of a row that a shorter profile hides leaves the
  // focus in the table, for the editor of the new current cell.
  if (editor_cell_.isValid() && editor_cell_.row() >= start && editor_cell_.row() <= end) {
    CloseEditor();
  }
  QTableView::rowsAboutToBeRemoved(parent, start, end);
}

void ProfileGridView::focusInEvent(QFocusEvent* event) {
  QTableView::focusInEvent(event);
  if (moving_editor_) return;
  if (QWidget* editor = CurrentEditor()) editor->setFocus(event->reason());
}

bool ProfileGridView::focusNextPrevChild(bool next) {
  // A Tab key in the table, from the view or its editor. An editor hidden
  // with its row hands the focus on like any hidden widget.
  const QWidget* focus = QApplication::focusWidget();
  if (currentIndex().isValid() && focus != nullptr && focus->isVisible()) {
    MoveToNeighbourCell(next);
    return true;
  }
  return QTableView::focusNextPrevChild(next);
}

bool ProfileGridView::eventFilter(QObject* watched, QEvent* event) {
  auto* editor = qobject_cast<QLineEdit*>(watched);
  if (event->type() != QEvent::KeyPress || editor == nullptr || editor != CurrentEditor()) {
    return QTableView::eventFilter(watched, event);
  }
  auto& key = static_cast<QKeyEvent&>(*event);
  if (IsCellTabKey(key)) {
    MoveToNeighbourCell(IsForwardTab(key));
    return true;
  }
  if (LeavesTextSideways(*editor, key)) {
    keyPressEvent(&key);
    return true;
  }
  return QTableView::eventFilter(watched, event);
}

void ProfileGridView::MoveToNeighbourCell(bool forward) {
  const QModelIndex cell = currentIndex();
  const int rows = model()->rowCount();
  const int columns = model()->columnCount();
  int row = cell.row();
  int column = cell.column() + (forward ? 1 : -1);
  if (column == columns) {
    column = 0;
    row = row + 1 == rows ? 0 : row + 1;
  } else if (column < 0) {
    column = columns - 1;
    row = row == 0 ? rows - 1 : row - 1;
  }
  setCurrentIndex(model()->index(row, column));
}

}  // namespace quorvane
