#include "tree/FollowCommand.h"

#include <array>

namespace {
constexpr std::array<std::int16_t, 1> kNearSynonymRelations = {1};
constexpr std::array<std::int16_t, 1> kHyperonymRelations = {8};
constexpr std::array<std::int16_t, 1> kHyponymRelations = {10};
constexpr std::array<std::int16_t, 6> kMeronymRelations = {13, 15, 17, 21, 23, 19};
constexpr std::array<std::int16_t, 6> kHolonymRelations = {12, 14, 16, 20, 22, 18};
constexpr std::array<std::int16_t, 2> kCauseRelations = {42, 43};
constexpr std::array<std::int16_t, 2> kSubeventRelations = {44, 45};

constexpr std::array<FollowCommand, 7> kCommands = {
    FollowCommand(FollowCommand::kNearSynonym, kNearSynonymRelations, message::kNoNearSynonymLinks),
    FollowCommand(FollowCommand::kHyperonym, kHyperonymRelations, message::kNoHyperonymLinks),
    FollowCommand(FollowCommand::kHyponym, kHyponymRelations, message::kNoHyponymLinks),
    FollowCommand(FollowCommand::kAllMeronyms, kMeronymRelations, message::kNoMeronymLinks),
    FollowCommand(FollowCommand::kAllHolonyms, kHolonymRelations, message::kNoHolonymLinks),
    FollowCommand(FollowCommand::kCause, kCauseRelations, message::kNoCauseLinks),
    FollowCommand(FollowCommand::kSubevent, kSubeventRelations, message::kNoSubeventLinks),
};
}  // namespace

const FollowCommand* FollowCommand::ById(int commandId) {
  for (const FollowCommand& command : kCommands) {
    if (command.Id() == commandId) return &command;
  }
  return nullptr;
}
