// One variant shown on a concept line: its text "literal :sense" ("dog :1") and the variant itself.
#pragma once

#include <string>

#include "ConceptVariant.h"
#include "lexicon/Factory.h"

class VariantLine {
 public:
  // Takes the variant over and reads its literal (empty when absent) and sense.
  explicit VariantLine(lexicon::Owned<ConceptVariant> variant);
  VariantLine(VariantLine&&) noexcept = default;
  VariantLine& operator=(VariantLine&&) noexcept = default;

  const std::string& Text() const { return text_; }
  // Owned by this line.
  ConceptVariant& Variant() const { return *variant_; }

 private:
  std::string text_;
  lexicon::Owned<ConceptVariant> variant_;
};
