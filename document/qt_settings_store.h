// The per-user settings store over QSettings, under the application name "QL24".
#pragma once

#include <QSettings>
#include <QString>
#include <memory>

#include "document/settings_store.h"

namespace qw {

class QtSettingsStore final : public SettingsStore {
 public:
  // The platform's own per-user store (registry, plist or ini file).
  QtSettingsStore();
  // A store in the given file, for tests and portable installations.
  QtSettingsStore(const QString& fileName, QSettings::Format format);

  std::optional<std::string> Get(const std::string& section, const std::string& key) const override;
  void Set(const std::string& section, const std::string& key, const std::string& value) override;

 private:
  std::unique_ptr<QSettings> settings_;
};

}  // namespace qw
