// The single-channel pane: one marine channel (USA, INTL, CANADA) or one programmable channel of
// the fourth group. Check boxes and lists write at once; a typed text field writes once, when it
// is left (or when the pane check asks). Frequencies are checked then and refused with a message.
#pragma once

#include <QHash>
#include <array>
#include <functional>

#include "editor/channel_pane_fields.h"
#include "editor/pane.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace qw {

class Prompter;

class ChannelPane final : public Pane {
  Q_OBJECT
 public:
  // selectNode selects a tree node as a click would (Ctrl+PageDown / Ctrl+PageUp use it, so the
  // pane check runs before the next channel is shown).
  ChannelPane(Document& doc, const EditState& state, Prompter& prompter,
              std::function<void(const NavNode&)> selectNode, QWidget* parent = nullptr);

  void Show(const NavNode& node) override;
  void Fill() override;
  EditWhat PendingEdit() const override;

  NavNode Node() const { return NavNode::ChannelOf(group_, index_); }

 protected:
  bool CheckFocusedField() override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  using Flag = channel_fields::Flag;
  using TextField = channel_fields::TextField;
  using enum channel_fields::Flag;
  using enum channel_fields::TextField;

  // Construction (channel_pane.cpp).
  void BuildFields();
  void BuildTexts();
  void PlaceFrequencies(QGridLayout* grid, int& row);
  void PlaceFlags(QGridLayout* grid, int& row);
  QWidget* BuildToneBox();
  void PlaceNameRows(QGridLayout* grid, int& row);
  // A label that is enabled and shown together with its field.
  QLabel* Label(const char* name, const QString& caption, QWidget* field);
  // The same, captioned as the field table captions the text field's record field.
  QLabel* Label(const char* name, TextField f);
  QCheckBox* Check(Flag f);
  QComboBox* List(const char* name, const QStringList& entries);
  void ConnectWrites();
  void Step(int delta);

  // Filling and the enable chain (channel_pane_fill.cpp).
  bool Marine() const { return group_ < kGroupFourth; }
  const ChannelRecord& Channel() const;
  void FillMarine(const ChannelRecord& ch);
  void FillProgrammable(const ChannelRecord& ch);
  void FillCommon(const ChannelRecord& ch);
  void FillFlags(const ChannelRecord& ch);
  void ShowFieldsOfMode();
  void ApplyEnableChain();
  void SetOn(QWidget* field, bool on);
  void SetEditable(QLineEdit* field, bool editable);
  QString RxFrequencyText() const;

  // Writing back (channel_pane_edit.cpp).
  void WriteChannel(const char* field, const std::function<void(ChannelRecord&)>& apply);
  void OnFlagClicked(Flag f, bool on);
  void OnTone(int side, bool dcs, int position);
  bool CommitText(TextField f, bool validate);
  bool CommitFrequency(TextField f, bool validate);
  void SetDirty(TextField f, bool dirty);
  void ShowText(TextField f, const QString& text);
  bool DataIncomplete() const;

  Prompter& prompter_;
  std::function<void(const NavNode&)> selectNode_;
  int group_ = 0;
  int index_ = 0;
  bool duplexAllowed_ = false;  // the fill's enablement of Duplex and Tx Enable, which the
  bool txAllowed_ = true;       // enable chain keeps

  QLabel* title_ = nullptr;
  QLabel* nameNotice_ = nullptr;  // which characters a typed or pasted name lost
  QLabel* txNote_ = nullptr;      // a programmable channel that may not transmit
  std::array<QLineEdit*, kTextFields> texts_{};
  std::array<bool, kTextFields> dirty_{};
  bool showing_ = false;  // the pane, not the user, is changing a text field
  std::array<QCheckBox*, kFlags> flags_{};
  QRadioButton* wide_ = nullptr;
  QRadioButton* narrow_ = nullptr;
  QComboBox* scramble_ = nullptr;
  std::array<QComboBox*, 2> ctcss_{};  // [0] TX, [1] RX, as the record's tone pairs
  std::array<QComboBox*, 2> dcs_{};
  QWidget* toneBox_ = nullptr;
  QList<QWidget*> fields_;                       // every field but CH Enable, in screen order
  QHash<QWidget*, QList<QWidget*>> companions_;  // labels enabled and shown with a field
};

}  // namespace qw
