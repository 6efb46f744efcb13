// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "platform/accessible_interfaces.h"

namespace vorlix::platform {
namespace {

class Notice final : public QWidget {
 public:
  explicit Notice(QWidget* parent) : QWidget(parent) {}
};

}  // namespace

QAccessibleInterface* noticeAccessible(const QString& /*className*/, QObject* object) {
  auto* notice = dynamic_cast<Notice*>(object);
  return notice ? new QAccessibleWidget(notice, QAccessible::Notification) : nullptr;
}

Announcer::Announcer(QWidget& window) : window_(window) {}

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
