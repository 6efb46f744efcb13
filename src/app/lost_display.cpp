// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/lost_display.h"

#include <QCoreApplication>
#include <QSemaphore>
#include <QThread>
#include <atomic>
#include <cstdio>
#include <memory>
#include <mutex>
#include <utility>

namespace vorlix::app {
namespace {

// Long enough for any save, which waits a few seconds at most for the
// settings file's lock; a GUI thread that does not answer by then will
// not, and the program ends unsaved rather than hangs.
constexpr int kLongestSaveMs = 10'000;

// A Qt message handler is a plain function, called from any thread.
// NOLINTBEGIN(cppcoreguidelines-avoid-non-const-global-variables)
std::atomic<QtMessageHandler> previous = nullptr;
std::mutex saving;
std::function<void()> save;  // while a LostDisplay lives; under `saving`
bool saved = false;          // under `saving`
// NOLINTEND(cppcoreguidelines-avoid-non-const-global-variables)

// Qt's words for a display that has gone: on X, and on Wayland for a
// compositor that died or any other fatal error of the connection.
bool tellsOfLostDisplay(QtMsgType type, const QString& text) {
  return type == QtWarningMsg && (text.startsWith(QStringLiteral("The X11 connection broke")) ||
                                  text.startsWith(QStringLiteral("The Wayland connection")));
}

// On the GUI thread.
void saveOnce() {
  const std::scoped_lock lock(saving);
  if (save && !std::exchange(saved, true)) save();
}

void watch(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (const QtMessageHandler passOn = previous.load()) {
    passOn(type, context, text);
  } else {
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
  }
  if (!tellsOfLostDisplay(type, text) || QCoreApplication::instance() == nullptr) return;
  if (QThread::currentThread() == QCoreApplication::instance()->thread()) {
    saveOnce();
    return;
  }
  // Another thread: the GUI thread saves between its events, and this one
  // waits for it before Qt ends the program.
  auto done = std::make_shared<QSemaphore>();
  QMetaObject::invokeMethod(
      QCoreApplication::instance(),
      [done] {
        saveOnce();
        done->release();
      },
      Qt::QueuedConnection);
  done->tryAcquire(1, kLongestSaveMs);
}

}  // namespace

LostDisplay::LostDisplay(std::function<void()> onLost) {
  {
    const std::scoped_lock lock(saving);
    save = std::move(onLost);
  }
  previous = qInstallMessageHandler(watch);
}

LostDisplay::~LostDisplay() {
  qInstallMessageHandler(previous.load());
  const std::scoped_lock lock(saving);
  save = nullptr;
}

}  // namespace vorlix::app
