// SPDX-License-Identifier: GPL-3.0-or-later
// The ring around the control with the keyboard focus: where it is, and
// in which colours.
#include <QApplication>

#include "platform/focus_ring.h"
#include "platform/main_window.h"
#include "platform/qt_colours.h"

namespace vorlix::platform {

using window::Control;

// Each part of the ring takes the colour that changes what it covers: the
// window's background, or an element beside the control that lies closer
// than the ring's width.
void MainWindow::showFocusRing() {
  const auto focused = controlOf(QApplication::focusWidget());
  if (!focused || !window::takesFocus(*focused)) {
    if (focusRing_) focusRing_->hide();
    return;
  }
  const auto colourOf = [this](Control element) {
    return toQColor(model_.background(element), QApplication::palette());
  };
  const QRect control = pixelRect(*focused);
  const QRect ring = FocusRing::around(control);
  std::vector<RingPart> parts{
      {ring, focusRingColour(colourOf(*focused), colourOf(Control::Window))}};
  for (const window::ControlLayout& element : window::windowLayout()) {
    const QRect covered = ring & pixelRect(element.control);
    if (element.control == *focused || element.kind == window::ControlKind::Window ||
        !element.background || !model_.visible(element.control) || covered.isEmpty()) {
      continue;
    }
    parts.push_back({covered, focusRingColour(colourOf(*focused), colourOf(element.control))});
  }
  if (!focusRing_) focusRing_ = new FocusRing(*this);
  focusRing_->surround(control, std::move(parts));
}

}  // namespace vorlix::platform
