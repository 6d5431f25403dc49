// The per-user settings store: text values addressed by section and key under the application
// name "QL24". The editor uses a QSettings adapter; tests and the CLI an in-memory one.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>

namespace qw {

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  virtual std::optional<std::string> Get(const std::string& section,
                                         const std::string& key) const = 0;
  virtual void Set(const std::string& section, const std::string& key,
                   const std::string& value) = 0;
};

class MemorySettingsStore final : public SettingsStore {
 public:
  std::optional<std::string> Get(const std::string& section,
                                 const std::string& key) const override {
    auto it = values_.find({section, key});
    if (it == values_.end()) return std::nullopt;
    return it->second;
  }
  void Set(const std::string& section, const std::string& key, const std::string& value) override {
    values_[{section, key}] = value;
  }

 private:
  std::map<std::pair<std::string, std::string>, std::string> values_;
};

}  // namespace qw
