// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/program_end.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

namespace vorlix::platform {

int endOfProgram(int status) {
  if (QGuiApplication::platformName() != QStringLiteral("wayland")) return status;
  std::fflush(nullptr);
  std::_Exit(status);
}

}  // namespace vorlix::platform
