// The serial-port menu: COM1..COM4, the ports the system has, and the simulated radio.
#include <QAction>
#include <QMenu>

#include "document/config.h"
#include "document/document.h"
#include "editor/main_window.h"
#include "editor/simulated_radio_host.h"
#include "link/qt_serial_port.h"
#include "link/serial_port.h"

namespace qw {

namespace {
constexpr int kMaxListedDevices = 16;
}

void MainWindow::BuildPortMenu() {
  for (int i = 0; i < 4; ++i) {
    comPorts_[i] = Action(QString("mnuCom%1").arg(i + 1), QString("COM&%1").arg(i + 1));
    comPorts_[i]->setCheckable(true);
    connect(comPorts_[i], &QAction::triggered, this, [this, i] { SelectPortNumber(i + 1, true); });
    portMenu_->addAction(comPorts_[i]);
  }
  portDevicesSeparator_ = portMenu_->addSeparator();
  simulatedPort_ = Action("mnuPortSimulated", "Simulated radio");
  simulatedPort_->setCheckable(true);
  simulatedPort_->setToolTip("A radio simulated inside the program, for trying it out");
  connect(simulatedPort_, &QAction::triggered, this,
          [this] { SelectPortDevice(kSimulatedPort, true); });
  portMenu_->addAction(simulatedPort_);
  connect(portMenu_, &QMenu::aboutToShow, this, &MainWindow::RefreshPortMenu);
  RefreshPortMenu();
}

// The system's ports change while the program runs (USB cables); the list is made afresh.
void MainWindow::RefreshPortMenu() {
  for (QAction* a : devicePorts_) {
    portMenu_->removeAction(a);
    a->deleteLater();
  }
  devicePorts_.clear();
  int n = 0;
  for (const PortInfo& info : ListSerialPorts()) {
    if (n == kMaxListedDevices) break;
    const QString device = QString::fromStdString(info.name);
    QString caption = device;
    if (!info.description.empty())
      caption += "  (" + QString::fromStdString(info.description) + ")";
    QAction* a = Action(QString("mnuPortDevice%1").arg(n++), caption);
    a->setData(device);
    a->setCheckable(true);
    connect(a, &QAction::triggered, this, [this, device] { SelectPortDevice(device, true); });
    portMenu_->insertAction(simulatedPort_, a);
    devicePorts_.push_back(a);
  }
  MarkPortChoice();
}

void MainWindow::SelectPortNumber(int number, bool store) {
  portNumber_ = number;
  portDevice_.clear();
  MarkPortChoice();
  if (store && isVisible()) {
    SavePortSetting(store_, static_cast<int16_t>(number));
    store_.Set("ComPath", "ComDevice", "");
  }
}

void MainWindow::SelectPortDevice(const QString& device, bool store) {
  portDevice_ = device;
  MarkPortChoice();
  if (store && isVisible()) store_.Set("ComPath", "ComDevice", device.toStdString());
}

void MainWindow::MarkPortChoice() {
  for (int i = 0; i < 4; ++i)
    comPorts_[i]->setChecked(portDevice_.isEmpty() && portNumber_ == i + 1);
  for (QAction* a : devicePorts_) a->setChecked(a->data().toString() == portDevice_);
  simulatedPort_->setChecked(portDevice_ == kSimulatedPort);
}

PortFactory MainWindow::PortForTransfer(QString& error) {
  if (options_.portOverride) return options_.portOverride;
  std::string name;
  if (portDevice_ == kSimulatedPort) {
    if (!simulator_) {
      simulator_ = std::make_unique<SimulatedRadioHost>(options_.simulatorFolder);
    }
    std::string why;
    if (!simulator_->Ensure(series_, why)) {
      error = kSimulatorCannotStart + QString::fromStdString(why);
      return {};
    }
    name = simulator_->PortPath();
  } else if (!portDevice_.isEmpty()) {
    name = portDevice_.toStdString();
  } else {
    name = std::to_string(portNumber_);
  }
  // The port is made on the transfer's thread, which then owns it.
  return [name] { return MakeSerialPort(name); };
}

void MainWindow::SaveSimulatorMemory() {
  if (simulator_) simulator_->Save();
}

}  // namespace qw
