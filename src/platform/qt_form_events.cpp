// How Qt's events reach the core handlers: key presses and composed text in
// the entry boxes, Enter on a focused button, right-clicks anywhere on the
// window, and closing.
#include <QCloseEvent>
#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QWindow>

#include "colors/saved_colors.h"
#include "platform/key_code.h"
#include "platform/message_box.h"
#include "platform/qt_form.h"

namespace vorlix::platform {

using window::ControlName;
using window::ControlRef;

bool QtForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == windowHandle()) {
    switch (event->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
        return filterWindowMouse(static_cast<QMouseEvent*>(event));
      default:
        return false;
    }
  }
  if (auto* button = qobject_cast<QPushButton*>(watched)) return filterButtonKey(button, event);
  const auto found = refs_.find(qobject_cast<QWidget*>(watched));
  if (found == refs_.end() || found->second.name != ControlName::Text1) return false;
  const std::int16_t box = found->second.index;
  switch (event->type()) {
    case QEvent::KeyPress:
      return filterKeyPress(box, static_cast<QKeyEvent*>(event));
    case QEvent::InputMethod:
      return filterInputMethod(box, static_cast<QWidget*>(watched),
                               static_cast<QInputMethodEvent*>(event));
    default:
      return false;
  }
}

// A focused button is pressed by Space, as Qt does, and by Enter, which Qt
// leaves to default buttons; the window has none.
bool QtForm::filterButtonKey(QPushButton* button, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const int key = static_cast<QKeyEvent*>(event)->key();
  if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
  button->click();
  return true;
}

bool QtForm::filterKeyPress(std::int16_t box, QKeyEvent* event) {
  if (isAltCommand(*event)) return !event->text().isEmpty();
  const auto code = characterCode(*event);
  if (!code) return false;
  std::int16_t keyAscii = *code;
  commands_.Text1_KeyPress(box, keyAscii);
  // The handler passes a key unchanged or cancels it: a passed key goes on
  // to the box as it came.
  return keyAscii == 0;
}

bool QtForm::filterInputMethod(std::int16_t box, QWidget* target, QInputMethodEvent* event) {
  if (forwardingInputMethod_ || event->commitString().isEmpty()) return false;
  QString accepted;
  for (const char32_t character : event->commitString().toUcs4()) {
    std::int16_t keyAscii = codeOfCharacter(character);
    commands_.Text1_KeyPress(box, keyAscii);
    if (keyAscii != 0) accepted += QString::fromUcs4(&character, 1);
  }
  if (accepted == event->commitString()) return false;
  QInputMethodEvent filtered(event->preeditString(), event->attributes());
  filtered.setCommitString(accepted, event->replacementStart(), event->replacementLength());
  forwardingInputMethod_ = true;
  QCoreApplication::sendEvent(target, &filtered);
  forwardingInputMethod_ = false;
  return true;
}

bool QtForm::filterWindowMouse(QMouseEvent* event) {
  // Every right-button event is kept from the widgets; the release is the
  // click that recolours.
  if (event->button() != Qt::RightButton) return false;
  if (event->type() == QEvent::MouseButtonRelease) {
    colours_.mouseUp(elementAt(event->position().toPoint()), colors::kRightButton);
  }
  return true;
}

// The control under a point of the client area; the window itself where
// no control is, the drawn rectangle and lines included.
ControlRef QtForm::elementAt(QPoint point) const {
  for (const QWidget* widget = childAt(point); widget; widget = widget->parentWidget()) {
    const auto found = refs_.find(widget);
    if (found != refs_.end()) return found->second;
  }
  return window::single(ControlName::Form1);
}

void QtForm::closeEvent(QCloseEvent* event) {
  try {
    colours_.Form_Unload();
  } catch (const colors::SettingsWriteError& error) {
    showModalMessage(this, QString::fromStdString(colors::saveFailureMessage(error)));
  }
  QWidget::closeEvent(event);
}

}  // namespace vorlix::platform
