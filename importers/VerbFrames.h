// WordNet's 35 generic verb sentence frames, which data.verb names by number.
#pragma once

namespace importers {

constexpr int kVerbFrameCount = 35;

// The text of frame `number` (1 to 35), e.g. "Somebody ----s something"; null outside that range.
const char* VerbFrameText(int number);

}  // namespace importers
