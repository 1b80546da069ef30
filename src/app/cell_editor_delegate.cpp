#include "app/cell_editor_delegate.h"

#include <QLineEdit>
#include <QPersistentModelIndex>

namespace quorvane {

CellEditorDelegate::CellEditorDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

QWidget* CellEditorDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& /*option*/,
                                          const QModelIndex& index) const {
  auto* editor = new QLineEdit(parent);
  editor->setFrame(false);
  QAbstractItemModel* model = const_cast<QAbstractItemModel*>(index.model());
  const QPersistentModelIndex cell(index);
  connect(editor, &QLineEdit::textEdited, editor, [model, cell](const QString& text) {
    if (cell.isValid()) model->setData(cell, text, Qt::EditRole);
  });
  return editor;
}

void CellEditorDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
  auto* line_edit = static_cast<QLineEdit*>(editor);
  const QString text = index.data(Qt::EditRole).toString();
  if (line_edit->text() == text) return;
  // A text written by an action replaces what the editor showed and is
  // selected, as on arriving in the cell.
  line_edit->setText(text);
  line_edit->selectAll();
}

void CellEditorDelegate::setModelData(QWidget* /*editor*/, QAbstractItemModel* /*model*/,
                                      const QModelIndex& /*index*/) const {}

}  // namespace quorvane
