// What a node of the navigation tree stands for: its kind and, for groups and channels, which
// group and which channel. Each tree item carries one; the pane stack is chosen by it.
#pragma once

#include "document/data_edit.h"

namespace qw {

struct NavNode {
  enum class Kind {
    None,     // no node
    General,  // "General" with the logo
    Usable,   // "Available CH Group Setup"
    Common,   // "Common Setup"
    Atis,     // "ATIS Setup"
    Program,  // "Programmable Channel", the root of the marine groups and weather
    Group,    // one group's channel grid: group 0..3 (3 is the fourth group's root)
    Channel,  // one channel: group 0..3, index into the group's list
    Weather,  // the weather channels
  };

  Kind kind = Kind::None;
  int group = -1;
  int index = -1;

  static constexpr NavNode Of(Kind kind) { return {kind, -1, -1}; }
  static constexpr NavNode GroupGrid(int group) { return {Kind::Group, group, -1}; }
  static constexpr NavNode ChannelOf(int group, int index) { return {Kind::Channel, group, index}; }

  bool operator==(const NavNode&) const = default;
  explicit operator bool() const { return kind != Kind::None; }
};

// The fixed nodes.
inline constexpr NavNode kGeneralNode = NavNode::Of(NavNode::Kind::General);
inline constexpr NavNode kUsableNode = NavNode::Of(NavNode::Kind::Usable);
inline constexpr NavNode kCommonNode = NavNode::Of(NavNode::Kind::Common);
inline constexpr NavNode kAtisNode = NavNode::Of(NavNode::Kind::Atis);
inline constexpr NavNode kProgramNode = NavNode::Of(NavNode::Kind::Program);
inline constexpr NavNode kWeatherNode = NavNode::Of(NavNode::Kind::Weather);

// The node whose pane shows what an edit changed; none for parts without a pane.
constexpr NavNode NodeOfEdit(const EditWhat& what) {
  switch (what.unit) {
    case EditWhat::Unit::Channel:
      if (what.group == kGroupWX) return kWeatherNode;
      return NavNode::ChannelOf(what.group, what.index);
    case EditWhat::Unit::UsableGroup:
      return kUsableNode;
    case EditWhat::Unit::Common:
      return kCommonNode;
    case EditWhat::Unit::Atis:
      return kAtisNode;
    default:
      return {};
  }
}

}  // namespace qw
