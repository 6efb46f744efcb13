#include "platform/message_box.h"

#include <QMessageBox>
#include <QPointer>
#include <QWidget>

namespace vorlix::platform {

void showModalMessage(QWidget* parent, const QString& text) {
  QPointer<QWidget> hadFocus = parent ? parent->focusWidget() : nullptr;
  QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kMessageTitle), text, QMessageBox::Ok,
                  parent);
  box.setTextFormat(Qt::PlainText);
  box.exec();
  // Without a window manager nothing re-activates the window after the box
  // closes, so the focus is put back by hand.
  if (parent) parent->activateWindow();
  if (hadFocus) hadFocus->setFocus(Qt::OtherFocusReason);
}

}  // namespace vorlix::platform
