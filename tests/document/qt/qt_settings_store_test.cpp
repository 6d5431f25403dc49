#include "document/qt_settings_store.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "document/config.h"

namespace qw {
namespace {

TEST(QtSettingsStore, KeepsValuesAcrossInstancesUnderSectionAndKey) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString file = dir.filePath("QL24.ini");
  {
    QtSettingsStore store(file, QSettings::IniFormat);
    SaveModelSetting(store, 1);
    SaveDestinationSetting(store, 1, "Eur");
    SaveWindowPlacement(store, 10, 20, 300, 400);
    store.Set("Settings", "Odd key", "a b");
  }
  QtSettingsStore again(file, QSettings::IniFormat);
  EXPECT_EQ(ReadModelSetting(again), 1);
  EXPECT_EQ(ReadDestinationSetting(again, 1), "Eur");
  EXPECT_EQ(again.Get("Settings", "MainHeight"), "400");
  EXPECT_EQ(again.Get("Settings", "Odd key"), "a b");
  EXPECT_EQ(again.Get("ComPath", "ComNum"), std::nullopt);
}

}  // namespace
}  // namespace qw
