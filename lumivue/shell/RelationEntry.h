// One relation type of the open database as the viewer names it.
#pragma once

#include <cstdint>
#include <string>

#include "Relation.h"
#include "lexicon/Factory.h"

class RelationEntry {
 public:
  // Takes the relation over; its name is the relation's NAME with every "_" shown as a blank
  // ("has_hyperonym" reads "has hyperonym"), empty when it has none.
  explicit RelationEntry(lexicon::Owned<Relation> relation);
  RelationEntry(RelationEntry&&) noexcept = default;
  RelationEntry& operator=(RelationEntry&&) noexcept = default;

  std::int16_t Id() const { return id_; }
  const std::string& Name() const { return name_; }
  Relation& Definition() const { return *relation_; }

 private:
  std::int16_t id_;
  std::string name_;
  lexicon::Owned<Relation> relation_;
};
