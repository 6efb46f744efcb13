// SPDX-License-Identifier: GPL-3.0-or-later
// What assistive technology reads of every QLineEdit. Qt 6.4 answers that
// no run of text attributes covers any offset of a line edit, and Orca 43
// reads a text line run by run: a box taking the focus was read without
// its last character ("12" as "1", "0" as nothing). This reading has the
// whole text as one run and is otherwise Qt's, through QLineEdit's public
// calls.
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QLineEdit>

#include "platform/accessible_interfaces.h"

namespace vorlix::platform {
namespace {

class TextBoxAccessible final : public QAccessibleWidget,
                                public QAccessibleTextInterface,
                                public QAccessibleEditableTextInterface {
 public:
  explicit TextBoxAccessible(QLineEdit* box) : QAccessibleWidget(box, QAccessible::EditableText) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::EditableTextInterface) {
      return static_cast<QAccessibleEditableTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
  }
  QString text(QAccessible::Text kind) const override {
    return kind == QAccessible::Value ? box().text() : QAccessibleWidget::text(kind);
  }
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = box().isReadOnly();
    state.editable = !state.readOnly;
    state.selectableText = true;
    return state;
  }

  // The text: one run of no attributes covers it all.
  QString attributes(int offset, int* start, int* end) const override {
    const bool inside = offset >= 0 && offset < characterCount();
    *start = inside ? 0 : offset;
    *end = inside ? characterCount() : offset;
    return {};
  }
  QString text(int start, int end) const override { return box().text().mid(start, end - start); }
  int characterCount() const override { return static_cast<int>(box().text().size()); }
  int cursorPosition() const override { return box().cursorPosition(); }
  void setCursorPosition(int position) override { box().setCursorPosition(position); }
  int selectionCount() const override { return box().hasSelectedText() ? 1 : 0; }
  void selection(int index, int* start, int* end) const override {
    const bool selected = index == 0 && box().hasSelectedText();
    *start = selected ? box().selectionStart() : 0;
    *end = selected ? box().selectionEnd() : 0;
  }
  void setSelection(int /*index*/, int start, int end) override {
    box().setSelection(start, end - start);
  }
  void addSelection(int start, int end) override { setSelection(0, start, end); }
  void removeSelection(int /*index*/) override { box().deselect(); }
  QRect characterRect(int /*offset*/) const override { return {}; }  // not known outside Qt
  int offsetAtPoint(const QPoint& point) const override {
    return box().cursorPositionAt(box().mapFromGlobal(point));
  }
  void scrollToSubstring(int /*start*/, int end) override { box().setCursorPosition(end); }

  // Editing is typing: the new text reaches the box as an input method's
  // commit, replacing the range, so that the window's key filter lets
  // through what it lets through when typed (digits in an entry box), and
  // a read-only box refuses it.
  void deleteText(int start, int end) override { replaceText(start, end, {}); }
  void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
  void replaceText(int start, int end, const QString& text) override {
    box().setCursorPosition(start);
    QInputMethodEvent commit;
    commit.setCommitString(text, 0, end - start);
    QCoreApplication::sendEvent(&box(), &commit);
  }

 private:
  QLineEdit& box() const { return *static_cast<QLineEdit*>(widget()); }
};

}  // namespace

QAccessibleInterface* textBoxAccessible(const QString& /*className*/, QObject* object) {
  auto* box = qobject_cast<QLineEdit*>(object);
  return box ? new TextBoxAccessible(box) : nullptr;
}

}  // namespace vorlix::platform
