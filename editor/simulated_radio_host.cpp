#include "editor/simulated_radio_host.h"

#include <QDir>
#include <algorithm>

#include "document/qt_data_folder.h"
#include "formats/file_path.h"
#include "formats/image_file.h"
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
  Image image{};
  if (ReadImageFile(PathFromUtf8(path.toStdString()), series, image) != ImageFileStatus::Ok) {
    return DefaultRadioMemory(series);
  }
  return std::vector<uint8_t>(image.begin(), image.begin() + ImageLastFor(series) + 1);
}

}  // namespace

SimulatedRadioHost::SimulatedRadioHost(QString folder) : folder_(std::move(folder)) {
  if (folder_.isEmpty()) {
    folder_ = QString::fromStdU16String(UserDataFolder().u16string());
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
  Image image{};
  std::copy_n(memory.begin(), std::min(memory.size(), image.size()), image.begin());
  QDir().mkpath(folder_);
  WriteImageFile(PathFromUtf8(MemoryFile(running_->series).toStdString()), running_->series, image);
}

}  // namespace qw
