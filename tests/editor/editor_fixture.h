// A main window on a temporary program folder and settings store, with scripted message boxes
// and no cosmetic pauses.
#pragma once

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <functional>
#include <memory>

#include "document/document.h"
#include "document/settings_store.h"
#include "editor/main_window.h"
#include "editor/nav_tree.h"
#include "editor/pane.h"
#include "editor/scripted_prompter.h"
#include "formats/image_file.h"
#include "model/image_codec.h"
#include "tests/support/radio_data.h"

namespace qw::test {

// A destination image as the program ships them: the right length and both model words.
inline void WriteDestinationImage(const QString& folder, const std::string& name, int16_t series) {
  const std::vector<uint8_t> image = PatternMemory(series);
  std::ofstream((folder + "/").toStdString() + DestinationFileName(name, series), std::ios::binary)
      .write(reinterpret_cast<const char*>(image.data()), std::streamsize(image.size()));
}

// The memory of a radio that holds the data set.
inline std::vector<uint8_t> RadioMemoryOf(RadioData d) {
  PrepareImageForRadio(d);
  return {d.RadioImage.begin(), d.RadioImage.begin() + d.ImageLast + 1};
}

// Types over a field's text and stays in it.
inline void TypeOver(QLineEdit* field, const QString& text) {
  field->setFocus(Qt::TabFocusReason);
  field->selectAll();
  if (text.isEmpty()) QTest::keyClick(field, Qt::Key_Delete);
  QTest::keyClicks(field, text);
}

// Types into a field and moves the focus on, as Tab would.
inline void TypeAndLeave(QLineEdit* field, const QString& text, QWidget* next) {
  TypeOver(field, text);
  next->setFocus(Qt::TabFocusReason);
}

// Pastes a text over a field's text with Ctrl+V.
inline void Paste(QLineEdit* field, const QString& text) {
  QGuiApplication::clipboard()->setText(text);
  field->setFocus(Qt::TabFocusReason);
  field->selectAll();
  QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
}

// A user's change of a drop-down list: one step up or down with the keyboard.
inline void ChangeList(QComboBox* list) {
  list->setFocus();
  QTest::keyClick(list, list->currentIndex() > 0 ? Qt::Key_Up : Qt::Key_Down);
}

// A user's choice of one entry of a drop-down list.
inline void Choose(QComboBox* list, int index) {
  list->setFocus();
  list->setCurrentIndex(index);
  emit list->activated(index);
}

struct EditorFixture {
  QTemporaryDir folder;
  MemorySettingsStore store;
  ScriptedPrompter prompter;
  std::unique_ptr<Document> doc;
  std::unique_ptr<MainWindow> window;
  std::filesystem::path backupFolder;  // empty: transfers keep no backups

  // Opens the window; before that, tests can put files in the folder and values in the store.
  MainWindow& Open(bool debug = false, PortFactory port = {}, const SteadyClock* clock = nullptr) {
    doc = std::make_unique<Document>(folder.path().toStdString(), debug);
    EditorOptions options;
    options.programFolder = folder.path().toStdString();
    options.debug = debug;
    options.timings.newDelayMs = 0;
    options.timings.pauseMs = 0;
    options.simulatorFolder = folder.path();
    options.portOverride = std::move(port);
    options.transferClock = clock;
    options.backupFolder = backupFolder;
    window = std::make_unique<MainWindow>(*doc, store, prompter, options);
    window->show();
    QApplication::setActiveWindow(window.get());
    (void)QTest::qWaitForWindowActive(window.get());
    return *window;
  }

  const RadioData& Data() { return doc->Data(); }
  // Puts values into the data set as one edit of the whole of it, as an import would.
  void Change(const std::function<void(RadioData&)>& apply) {
    doc->Edit({EditWhat::Unit::WholeDataSet, -1, -1, "Test values"}, apply);
  }

  template <typename T>
  T* Find(const QString& name) {
    return window->findChild<T*>(name);
  }
  QAction* Menu(const QString& name) { return Find<QAction>(name); }
  QCheckBox* Box(const QString& name) { return Find<QCheckBox>(name); }
  QComboBox* List(const QString& name) { return Find<QComboBox>(name); }
  QLineEdit* Field(const QString& name) { return Find<QLineEdit>(name); }
  QString Text(const QString& label) { return Find<QLabel>(label)->text(); }
  // Undo and Redo from the Edit menu, and the data set they leave.
  const RadioData& Undo() {
    Menu("mnuEditUndo")->trigger();
    return Data();
  }
  const RadioData& Redo() {
    Menu("mnuEditRedo")->trigger();
    return Data();
  }
  QString UndoText() { return Menu("mnuEditUndo")->text(); }
  // A transfer started from its menu entry and its dialog's OK, run until the dialog closes.
  void Transfer(const QString& command) {
    Menu(command)->trigger();
    QPointer<QDialog> dialog = Find<QDialog>("frmRadio");
    dialog->findChild<QPushButton*>("cmdOK")->click();
    QTRY_VERIFY_WITH_TIMEOUT(!dialog, 10000);
  }
  // A menu command, and what the program said to it.
  std::vector<std::string> Said(const QString& command) {
    prompter.asked.clear();
    Menu(command)->trigger();
    return prompter.Texts();
  }
  // ... given these names, one for each file chooser it opens.
  std::vector<std::string> Said(const QString& command, std::deque<QString> names) {
    prompter.fileNames = std::move(names);
    return Said(command);
  }

  // The destination menu's entries shown, the checked one marked "*".
  QStringList Destinations() {
    QStringList out;
    for (int k = 0; k < 11; ++k) {
      QAction* entry = Menu(QString("mnuDestination%1").arg(k));
      if (entry->isVisible()) out << entry->text() + (entry->isChecked() ? "*" : "");
    }
    return out;
  }

  bool HasNode(const NavNode& node) { return window->Tree()->Has(node); }
  void Select(const NavNode& node) { window->SelectNode(node); }
  // A mouse click on a node of the tree.
  void Click(const NavNode& node) {
    NavTree* tree = window->Tree();
    const QRect at = tree->visualItemRect(tree->ItemOf(node));
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at.center());
  }
  // The tree's current node and its only selected one.
  NavNode TreeNode() {
    NavTree* tree = window->Tree();
    const auto selected = tree->selectedItems();
    if (selected.size() != 1 || selected[0] != tree->currentItem()) return {};
    return tree->NodeOf(tree->currentItem());
  }
};

// A window on the defaults, for tests that need nothing in place before it opens.
struct OpenEditor : EditorFixture {
  OpenEditor() { Open(); }
};

}  // namespace qw::test
