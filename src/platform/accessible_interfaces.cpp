// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/accessible_interfaces.h"

#include <QAccessibleWidget>
#include <mutex>

#include "platform/main_window.h"

namespace vorlix::platform {
namespace {

QAccessibleInterface* windowAsFrame(const QString& /*className*/, QObject* object) {
  auto* window = qobject_cast<MainWindow*>(object);
  return window ? new QAccessibleWidget(window, QAccessible::Window) : nullptr;
}

}  // namespace

void installAccessibleInterfaces() {
  static std::once_flag installed;
  std::call_once(installed, [] {
    for (const auto factory : {windowAsFrame, textBoxAccessible, noticeAccessible}) {
      QAccessible::installFactory(factory);
    }
  });
}

}  // namespace vorlix::platform
