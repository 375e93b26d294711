#include "bars/FilterState.h"

#include <algorithm>
#include <array>

#include "tree/PartOfSpeechNames.h"

namespace {
constexpr std::array<const char*, FilterState::kPresetCount> kPresetNames = {
    "None",
    "Select All",
    "Select All Links",
    "Select All Parts of speech",
    "Deselect All",
    "Deselect All Links",
    "Deselect All Parts of speech",
    "Invert All",
    "Invert All Links",
    "Invert All Parts of speech"};
}  // namespace

const char* FilterState::PresetName(Preset preset) {
  return kPresetNames.at(static_cast<std::size_t>(preset));
}

void FilterState::Rebuild(const std::vector<LinkChoice>& relations) {
  items_.clear();
  items_.push_back({"Link Filters", 0, true});
  for (const LinkChoice& relation : relations) {
    items_.push_back({relation.name, relation.relationId, true});
  }
  partOfSpeechRoot_ = items_.size();
  items_.push_back({"Part-of-speech", 0, true});
  for (int number = 1; number <= PartOfSpeechNames::kCount; ++number) {
    items_.push_back({PartOfSpeechNames::OfNumber(number), 0, true});
  }
}

void FilterState::Toggle(std::size_t index) {
  if (index < items_.size()) items_[index].on = !items_[index].on;
}

void FilterState::Apply(Preset preset) {
  switch (preset) {
    case Preset::kNone:
      return;
    case Preset::kSelectAll:
    case Preset::kDeselectAll:
    case Preset::kInvertAll:
      return Change(0, items_.size(), preset);
    case Preset::kSelectAllLinks:
    case Preset::kDeselectAllLinks:
    case Preset::kInvertAllLinks:
      return Change(0, partOfSpeechRoot_, preset);
    case Preset::kSelectAllPartsOfSpeech:
    case Preset::kDeselectAllPartsOfSpeech:
    case Preset::kInvertAllPartsOfSpeech:
      return Change(partOfSpeechRoot_, items_.size(), preset);
  }
}

void FilterState::Change(std::size_t begin, std::size_t end, Preset preset) {
  for (std::size_t i = begin; i < end && i < items_.size(); ++i) {
    switch (preset) {
      case Preset::kSelectAll:
      case Preset::kSelectAllLinks:
      case Preset::kSelectAllPartsOfSpeech:
        items_[i].on = true;
        break;
      case Preset::kDeselectAll:
      case Preset::kDeselectAllLinks:
      case Preset::kDeselectAllPartsOfSpeech:
        items_[i].on = false;
        break;
      default:
        items_[i].on = !items_[i].on;
        break;
    }
  }
}

bool FilterState::PassesRelation(std::int16_t relationId) const {
  if (items_.empty() || !items_[0].on) return true;
  // Items are found by the relation they stand for, not by position, so that a database whose
  // relation numbers have gaps filters the right relation.
  const auto end = items_.begin() + static_cast<std::ptrdiff_t>(partOfSpeechRoot_);
  const auto item = std::find_if(items_.begin() + 1, end, [relationId](const Item& candidate) {
    return candidate.relationId == relationId;
  });
  return item == end || item->on;
}

bool FilterState::PassesPartOfSpeech(char code) const {
  if (items_.empty() || !items_[partOfSpeechRoot_].on) return true;
  const int number = PartOfSpeechNames::NumberOfCode(code);
  return number != 0 && items_[partOfSpeechRoot_ + static_cast<std::size_t>(number)].on;
}

bool FilterState::RootHidesChild(std::size_t root, std::size_t end) const {
  if (!items_[root].on) return false;
  for (std::size_t i = root + 1; i < end; ++i) {
    if (!items_[i].on) return true;
  }
  return false;
}

bool FilterState::IsFiltering() const {
  if (items_.empty()) return false;
  return RootHidesChild(0, partOfSpeechRoot_) || RootHidesChild(partOfSpeechRoot_, items_.size());
}

const ViewerMessage& FilterState::StatusText() const {
  return IsFiltering() ? message::kFilterOn : message::kFilterOff;
}
