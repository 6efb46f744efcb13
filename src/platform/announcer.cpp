// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <mutex>

namespace vorlix::platform {
namespace {

class Notice final : public QWidget {
 public:
  explicit Notice(QWidget* parent) : QWidget(parent) {}
};

QAccessibleInterface* noticeAsNotification(const QString& /*className*/, QObject* object) {
  auto* notice = dynamic_cast<Notice*>(object);
  return notice ? new QAccessibleWidget(notice, QAccessible::Notification) : nullptr;
}

void presentNoticesAsNotifications() {
  static std::once_flag installed;
  std::call_once(installed, [] { QAccessible::installFactory(noticeAsNotification); });
}

}  // namespace

Announcer::Announcer(QWidget& window) : window_(window) { presentNoticesAsNotifications(); }

void Announcer::say(const QString& phrase) {
  if (!notice_) {
    notice_ = new Notice(&window_);
    notice_->setGeometry(0, 0, 0, 0);
  }
  notice_->hide();
  notice_->setAccessibleName(phrase);
  notice_->show();
}

}  // namespace vorlix::platform
