// SPDX-License-Identifier: GPL-3.0-or-later
#include "message_watcher.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "result_text.h"

namespace vorlix::testing {
namespace {

[[noreturn]] void failBox(const char* why) {
  std::cout.flush();
  std::cerr << "vorlix-script: message box " << why << "\n";
  std::_Exit(1);
}

}  // namespace

MessageWatcher::MessageWatcher() {
  connect(&timer_, &QTimer::timeout, this, &MessageWatcher::poll);
  timer_.start(5);
}

void MessageWatcher::poll() {
  auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
  if (!box || !box->isVisible()) return;
  if (box->windowTitle() != QStringLiteral("Vorlix")) failBox("not titled \"Vorlix\"");
  if (box->icon() != QMessageBox::NoIcon) failBox("shows an icon");
  if (box->buttons().size() != 1 || box->standardButtons() != QMessageBox::Ok) {
    failBox("offers a button other than OK");
  }
  std::cout << "message " << quoted(box->text().toStdString()) << "\n" << std::flush;
  box->button(QMessageBox::Ok)->click();
}

}  // namespace vorlix::testing
