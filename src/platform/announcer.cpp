// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>

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

}  // namespace

Announcer::Announcer(QWidget& window) : window_(window) {
  static const bool factoryInstalled = (QAccessible::installFactory(noticeAsNotification), true);
  static_cast<void>(factoryInstalled);
}

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
