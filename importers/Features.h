// The shared features variants carry: WordNet's verb frames and adjective positions.
#pragma once

#include <cstdint>

#include "WordNetModel.h"

namespace importers {

constexpr std::int32_t kVerbFrameFeature = 1;          // value: the frame text
constexpr std::int32_t kAdjectivePositionFeature = 2;  // value: AdjectivePositionText

// "attributive", "predicative" or "postnominal"; null for kNone.
const char* AdjectivePositionText(AdjectivePosition position);

}  // namespace importers
