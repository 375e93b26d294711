// What the binding reads out of variant, ILI and link records in one go: plain values that stay
// usable after the database is closed.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace pylex {

class ConceptView;

struct VariantInfo {
  std::string literal;
  std::int16_t sense = 0;
  std::string definition;
  std::vector<std::string> examples;
};

struct IliInfo {
  std::int32_t id = 0;
  std::string gloss;
  std::string partOfSpeech;
  std::int32_t offset = 0;
};

struct LinkInfo {
  std::string relation;  // the relation's name ("" when it has none)
  std::int16_t relationId = 0;
  std::shared_ptr<ConceptView> target;  // null when the target cannot be read
};

}  // namespace pylex
