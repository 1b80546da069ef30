// StringGridRProf: the profile table on screen. The fixed headings are the
// view's headers (never editable, kept in view on scrolling); an editor is
// always open on the current cell and has the keyboard while the table does;
// Tab and Shift+Tab move from cell to cell, row by row, instead of leaving
// the table, and the arrow keys move to the neighbouring cell once the
// cursor is at the edge of the text. Rows are drawn, not built from widgets,
// so a table of a thousand rows appears at once.
#pragma once

#include <QPersistentModelIndex>
#include <QTableView>

namespace quorvane {

class ProfileGridView : public QTableView {
  Q_OBJECT

 public:
  static constexpr int kRowNumberWidth = 32;  // column 0, the row numbers
  static constexpr int kPositionWidth = 67;   // column 1, mm
  static constexpr int kDoseRateWidth = 70;   // column 2, mGy/s
  static constexpr int kRowHeight = 16;

  explicit ProfileGridView(QWidget* parent = nullptr);

  // Also gives the data columns their designed widths.
  void setModel(QAbstractItemModel* model) override;

  // The editor open on the current cell; null without a current cell.
  QWidget* CurrentEditor() const;

 protected:
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
  void rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end) override;
  void focusInEvent(QFocusEvent* event) override;
  bool focusNextPrevChild(bool next) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void SetUpHeaders();
  void MoveEditorToCurrentCell();
  void CloseEditor();
  // The next cell to the right, or the first of the next row; after the last
  // cell the first one again. Backwards likewise.
  void MoveToNeighbourCell(bool forward);

  QPersistentModelIndex editor_cell_;
  // Set while the view itself holds the focus for a moment, between closing
  // one cell's editor and opening the next one's.
  bool moving_editor_ = false;
};

}  // namespace quorvane
