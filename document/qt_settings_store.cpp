#include "document/qt_settings_store.h"

#include "model/outcome.h"

namespace qw {
namespace {

QString KeyPath(const std::string& section, const std::string& key) {
  return QString::fromStdString(section) + '/' + QString::fromStdString(key);
}

}  // namespace

QtSettingsStore::QtSettingsStore()
    : settings_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                            QString::fromLatin1(kProductName),
                                            QString::fromLatin1(kApplicationName))) {}

QtSettingsStore::QtSettingsStore(const QString& fileName, QSettings::Format format)
    : settings_(std::make_unique<QSettings>(fileName, format)) {}

std::optional<std::string> QtSettingsStore::Get(const std::string& section,
                                                const std::string& key) const {
  QVariant value = settings_->value(KeyPath(section, key));
  if (!value.isValid()) return std::nullopt;
  return value.toString().toStdString();
}

void QtSettingsStore::Set(const std::string& section, const std::string& key,
                          const std::string& value) {
  settings_->setValue(KeyPath(section, key), QString::fromStdString(value));
}

}  // namespace qw
