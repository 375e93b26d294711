// The link-following commands of a concept line: which relations each one follows, in order, and
// what it says when the concept has no link of any of them.
#pragma once

#include <cstdint>
#include <span>

#include "shell/MessageTexts.h"

class FollowCommand {
 public:
  // The command numbers of the menus and the tool bar.
  static constexpr int kNearSynonym = 32822;
  static constexpr int kHyperonym = 32812;
  static constexpr int kHyponym = 32813;
  static constexpr int kAllMeronyms = 32814;
  static constexpr int kAllHolonyms = 32815;
  static constexpr int kCause = 32816;
  static constexpr int kSubevent = 32817;

  // The command with that number; null for any number but the seven above.
  static const FollowCommand* ById(int commandId);

  int Id() const { return id_; }
  // The relation ids in the order their links are followed.
  std::span<const std::int16_t> Relations() const { return relations_; }
  const ViewerMessage& NothingFound() const { return nothingFound_; }

  constexpr FollowCommand(int id, std::span<const std::int16_t> relations,
                          const ViewerMessage& nothingFound)
      : id_(id), relations_(relations), nothingFound_(nothingFound) {}

 private:
  int id_;
  std::span<const std::int16_t> relations_;
  const ViewerMessage& nothingFound_;
};
