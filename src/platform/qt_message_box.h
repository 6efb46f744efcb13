// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include "window/message_box.h"

namespace vorlix::platform {

// A modal box titled with the program's name, with the text, an OK button
// and no icon. Returns once it is dismissed, with the keyboard focus back
// where it was.
void showModalMessage(QWidget* parent, const QString& text);

// The calculator's message box, shown over `parent`.
class QtMessageBox final : public window::MessageBox {
 public:
  explicit QtMessageBox(QWidget* parent) : parent_(parent) {}
  void show(std::string_view text) override;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace vorlix::platform
