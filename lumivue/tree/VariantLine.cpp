#include "tree/VariantLine.h"

#include <utility>

#include "shell/WideText.h"

VariantLine::VariantLine(lexicon::Owned<ConceptVariant> variant)
    : text_(WideText::Take(variant->GetLiteral()) + " :" + std::to_string(variant->GetSense())),
      variant_(std::move(variant)) {}
