#include "editor/simulated_radio_host.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

#include "model/image_codec.h"
#include "model/radio_data.h"
#include "sim/pty_host.h"
#include "sim/simulated_radio.h"

namespace qw {

struct SimulatedRadioHost::Running {
  int16_t series = 0;
  std::unique_ptr<PtyRadioHost> host;
};

namespace {

// The memory kept from the last run when it is whole and of this series; else a new radio's.
std::vector<uint8_t> LoadMemory(const QString& path, int16_t series) {
  const qint64 size = ImageLastFor(series) + 1;
  QFile file(path);
  if (file.size() == size && file.open(QIODevice::ReadOnly)) {
    const QByteArray bytes = file.read(size);
    std::vector<uint8_t> memory(bytes.begin(), bytes.end());
    if (memory.size() == static_cast<std::size_t>(size) &&
        ModelIdsMatch(memory.data(), memory.size(), series)) {
      return memory;
    }
  }
  return DefaultRadioMemory(series);
}

}  // namespace

SimulatedRadioHost::SimulatedRadioHost(QString folder) : folder_(std::move(folder)) {
  if (folder_.isEmpty()) {
    folder_ = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  }
}

SimulatedRadioHost::~SimulatedRadioHost() {
  Save();
  if (running_) running_->host->Stop();
}

QString SimulatedRadioHost::MemoryFile(int16_t series) const {
  return QDir(folder_).filePath(QString("simulated_%1.hex").arg(ModelName(series)));
}

bool SimulatedRadioHost::Ensure(int16_t series, std::string& error) {
  if (running_ && running_->series == series && running_->host->Running()) return true;
  if (running_) {
    // The other series' radio is put away with its memory before this one starts.
    Save();
    running_->host->Stop();
    running_.reset();
  }
  auto running = std::make_unique<Running>();
  running->series = series;
  running->host = std::make_unique<PtyRadioHost>(
      SimulatedRadio(series, LoadMemory(MemoryFile(series), series)), Pacing::Real);
  if (!running->host->Start(error)) return false;
  running_ = std::move(running);
  return true;
}

std::string SimulatedRadioHost::PortPath() const {
  return running_ ? running_->host->PortPath() : std::string();
}

void SimulatedRadioHost::Save() {
  if (!running_) return;
  std::vector<uint8_t> memory;
  running_->host->WithRadio([&memory](SimulatedRadio& radio) { memory = radio.Memory(); });
  memory.resize(ImageLastFor(running_->series) + 1);
  QDir().mkpath(folder_);
  QSaveFile file(MemoryFile(running_->series));
  if (!file.open(QIODevice::WriteOnly)) return;
  file.write(reinterpret_cast<const char*>(memory.data()), static_cast<qint64>(memory.size()));
  file.commit();
}

}  // namespace qw
