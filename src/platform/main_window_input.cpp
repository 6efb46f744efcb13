// SPDX-License-Identifier: GPL-3.0-or-later
// How Qt's input reaches the core: key presses and composed text in the
// entry boxes, key presses on a focused button, right-clicks anywhere on
// the window, the context-menu key on whatever has the focus, and the keys
// that recolour the elements that never take it.
#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QShortcut>
#include <QWindow>
#include <algorithm>

#include "platform/key_code.h"
#include "platform/main_window.h"
#include "platform/qt_text.h"
#include "window/recolouring_keys.h"

namespace vorlix::platform {

using window::Control;

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == windowHandle()) {
    switch (event->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
        return filterWindowMouse(*static_cast<QMouseEvent*>(event));
      default:
        return false;
    }
  }
  const auto control = controlOf(watched);
  if (!control) return false;
  if (event->type() == QEvent::KeyPress &&
      asksForContextMenu(*static_cast<const QKeyEvent*>(event))) {
    recolouring_.recolour(*control);  // what a right-click on it does
    return true;
  }
  if (qobject_cast<QPushButton*>(watched)) return filterButtonKey(*control, *event);
  if (std::ranges::find(window::kEntryOrder, *control) == window::kEntryOrder.end()) return false;
  const Control box = *control;
  switch (event->type()) {
    case QEvent::KeyPress:
      return filterKeyPress(box, *static_cast<QKeyEvent*>(event));
    case QEvent::InputMethod:
      return filterInputMethod(box, *static_cast<QWidget*>(watched),
                               *static_cast<QInputMethodEvent*>(event));
    default:
      return false;
  }
}

// Space presses a focused button in Qt itself; the core decides the rest.
bool MainWindow::filterButtonKey(Control button, const QEvent& event) {
  if (event.type() != QEvent::KeyPress) return false;
  const auto code = characterCode(static_cast<const QKeyEvent&>(event));
  return code && commands_.filterButtonKey(button, *code) == window::KeyVerdict::Cancel;
}

bool MainWindow::filterKeyPress(Control box, const QKeyEvent& event) {
  if (isAltCommand(event)) return !event.text().isEmpty();
  const auto code = characterCode(event);
  if (!code) return false;
  // A passed key goes on to the box as it came.
  return commands_.filterTypedKey(box, *code) == window::KeyVerdict::Cancel;
}

bool MainWindow::filterInputMethod(Control box, QWidget& target, const QInputMethodEvent& event) {
  if (forwardingInputMethod_ || event.commitString().isEmpty()) return false;
  QString accepted;
  for (const char32_t character : event.commitString().toUcs4()) {
    if (commands_.filterTypedKey(box, window::codeOfCharacter(character)) ==
        window::KeyVerdict::Pass) {
      accepted += QString::fromUcs4(&character, 1);
    }
  }
  if (accepted == event.commitString()) return false;
  QInputMethodEvent filtered(event.preeditString(), event.attributes());
  filtered.setCommitString(accepted, event.replacementStart(), event.replacementLength());
  forwardingInputMethod_ = true;
  QCoreApplication::sendEvent(&target, &filtered);
  forwardingInputMethod_ = false;
  return true;
}

void MainWindow::addRecolouringKeys() {
  for (const window::RecolouringKey& key : window::kRecolouringKeys) {
    auto* shortcut = new QShortcut(
        QKeySequence(qtText(language_.text(key.key)), QKeySequence::PortableText), this);
    connect(shortcut, &QShortcut::activated, this,
            [this, element = key.element] { recolouring_.recolour(element); });
  }
}

bool MainWindow::filterWindowMouse(const QMouseEvent& event) {
  // Every right-button event is kept from the widgets, which would take the
  // focus or open a context menu; the release is the right-click.
  if (event.button() != Qt::RightButton) return false;
  if (event.type() == QEvent::MouseButtonRelease) {
    recolouring_.recolour(elementAt(event.position().toPoint()));
  }
  return true;
}

// The control under a point of the client area; the window itself where
// no control is, the drawn rectangle and lines included.
Control MainWindow::elementAt(QPoint point) const {
  for (const QWidget* widget = childAt(point); widget; widget = widget->parentWidget()) {
    if (const auto control = controlOf(widget)) return *control;
  }
  return Control::Window;
}

}  // namespace vorlix::platform
