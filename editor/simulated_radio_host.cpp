#include "editor/simulated_radio_host.h"

#include <QDir>
#include <QStandardPaths>

#include "model/radio_data.h"

namespace qw {

struct SimulatedRadioHost::Running {};

SimulatedRadioHost::SimulatedRadioHost(QString folder) : folder_(std::move(folder)) {
  if (folder_.isEmpty()) {
    folder_ = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  }
}

SimulatedRadioHost::~SimulatedRadioHost() {
  Save();
}

QString SimulatedRadioHost::MemoryFile(int16_t series) const {
  return QDir(folder_).filePath(QString("simulated_%1.hex").arg(ModelName(series)));
}

bool SimulatedRadioHost::Ensure(int16_t, std::string& error) {
  error = "not built yet";
  return false;
}

std::string SimulatedRadioHost::PortPath() const {
  return {};
}

void SimulatedRadioHost::Save() {}

}  // namespace qw
