// The editor of the profile table's current cell. Every keystroke goes into
// the cell at once, so an action started while the user is still typing reads
// the text as it stands, confirmed with Enter or not.
#pragma once

#include <QStyledItemDelegate>

namespace quorvane {

class CellEditorDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  explicit CellEditorDelegate(QObject* parent = nullptr);

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override;
  // Leaves an editor alone that already shows the cell's text, so the echo of
  // a keystroke keeps the cursor and the selection where they are.
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  // The cell already holds what was typed. Committing again on Enter or on
  // focus loss would re-encode a cell the user never touched and lose the
  // bytes that a profile file put there.
  void setModelData(QWidget* editor, QAbstractItemModel* model,
                    const QModelIndex& index) const override;
};

}  // namespace quorvane
