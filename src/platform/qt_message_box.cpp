// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt_message_box.h"

#include <QMessageBox>

#include "identity.h"
#include "platform/qt_text.h"

namespace vorlix::platform {

void showModalMessage(QWidget* parent, const QString& text) {
  QPointer<QWidget> hadFocus = parent ? parent->focusWidget() : nullptr;
  QMessageBox box(QMessageBox::NoIcon, qtText(identity::kName), text, QMessageBox::Ok, parent);
  box.setTextFormat(Qt::PlainText);
  box.exec();
  // Without a window manager nothing re-activates the window after the box
  // closes, so the focus is put back by hand.
  if (parent) parent->activateWindow();
  if (hadFocus) hadFocus->setFocus(Qt::OtherFocusReason);
}

void QtMessageBox::show(std::string_view text) { showModalMessage(parent_, qtText(text)); }

}  // namespace vorlix::platform
