// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/session_end.h"

#include <QApplication>

#include "app/command_line.h"

namespace vorlix::app {

void SessionEnd::end() {
  if (window_.isVisible()) save();
  QCoreApplication::exit(0);
}

void SessionEnd::save() {
  if (const auto failure = window_.saveColoursNow()) complain(*failure);
}

}  // namespace vorlix::app
