#include "platform/qt_settings_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#include "identity.h"
#include "platform/qt_text.h"

namespace vorlix::platform {
namespace {

constexpr int kLockWaitMilliseconds = 900;

// QSettings waits about 30 s before it treats an unreadable lock file as
// stale, and forever on a lock that a live process keeps. Closing must not
// hang on either: a lock nobody can own is removed, one held longer than
// a moment is a failure.
void clearAbandonedLock(const QString& settingsFile) {
  QLockFile lock(settingsFile + QStringLiteral(".lock"));
  if (lock.tryLock(0)) return;  // free, or left by a dead process and taken over
  if (lock.error() != QLockFile::LockFailedError) return;
  qint64 pid = 0;
  QString host;
  QString application;
  if (!lock.getLockInfo(&pid, &host, &application)) {
    lock.removeStaleLockFile();
    return;
  }
  if (!lock.tryLock(kLockWaitMilliseconds)) {
    throw colors::SettingsWriteError("the settings file " + settingsFile.toStdString() +
                                     " is locked by another program.");
  }
}

}  // namespace

QSettings& QtSettingsStore::open() {
  if (!settings_) {
    settings_ =
        std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                    qtText(identity::kOrganisation), qtText(identity::kName));
    settings_->setFallbacksEnabled(false);
    // Qt parses a file's sections lazily and reports a section that does
    // not parse only then; reading every key brings that forward.
    settings_->allKeys();
    unreadableFile_ = unreadableFile_ || settings_->status() == QSettings::FormatError;
  }
  return *settings_;
}

colors::StoredSection QtSettingsStore::read(std::string_view section) {
  QSettings& settings = open();
  colors::StoredSection stored;
  // A file that is not a settings file at all holds no colours, whatever
  // fragments of it happened to parse.
  if (unreadableFile_ || settings.status() != QSettings::NoError) return stored;
  settings.beginGroup(qtText(section));
  for (const QString& key : settings.childKeys()) {
    const QVariant value = settings.value(key);
    if (value.typeId() == QMetaType::QString) stored.emplace(utf8(key), utf8(value.toString()));
  }
  settings.endGroup();
  return stored;
}

void QtSettingsStore::write(std::string_view section, std::span<const colors::StoredValue> values) {
  prepareToWrite();
  QSettings& settings = open();
  settings.beginGroup(qtText(section));
  for (const colors::StoredValue& value : values) {
    settings.setValue(qtText(value.key), qtText(value.text));
  }
  settings.endGroup();
  settings.sync();
  if (settings.status() != QSettings::NoError) {
    throw colors::SettingsWriteError(failureReason().toStdString());
  }
}

// Before the first write: a file that does not parse is moved aside (kept
// for the user, never rewritten in place with its junk), and a lock left
// behind by someone else is dealt with.
void QtSettingsStore::prepareToWrite() {
  if (preparedToWrite_) return;
  preparedToWrite_ = true;
  const QString file = open().fileName();
  settings_.reset();
  if (unreadableFile_) {
    const QString aside = file + QStringLiteral(".unreadable");
    QFile::remove(aside);
    QFile::rename(file, aside);
  }
  clearAbandonedLock(file);
}

QString QtSettingsStore::failureReason() const {
  const QFileInfo file(settings_->fileName());
  const QFileInfo folder(file.absolutePath());
  const QString path = QDir::toNativeSeparators(file.absoluteFilePath());
  const QString folderPath = QDir::toNativeSeparators(folder.absoluteFilePath());
  if (file.isDir()) return path + QStringLiteral(" is a folder, not a file.");
  if (folder.exists() && !folder.isDir()) {
    return folderPath + QStringLiteral(" is a file, not a folder.");
  }
  if (!folder.exists())
    return QStringLiteral("the folder %1 could not be created.").arg(folderPath);
  if (file.exists() && !file.isWritable()) return path + QStringLiteral(" is read-only.");
  if (!folder.isWritable()) return QStringLiteral("the folder %1 is read-only.").arg(folderPath);
  return path + QStringLiteral(" could not be written; the disk may be full.");
}

}  // namespace vorlix::platform
