// The viewer fixture's database opened for one English concept pane, with helpers that add links
// and concepts before the open and show the pane's lines compactly.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "RecordingPerson.h"
#include "ViewerFixture.h"
#include "shell/ViewerDatabase.h"
#include "tree/ConceptPane.h"

class ConceptPaneFixture : public ViewerFixture {
 protected:
  using Lines = std::vector<std::string>;

  // Opens the database and sets the pane to English. Tests that add records call Open themselves
  // after adding them (SetUp then leaves the database closed).
  void SetUp() override;
  void Open();

  // An English internal link (record `id`) of `relation` from concept `source` to `target`.
  void AddLink(std::uint32_t id, std::int32_t relation, std::uint32_t source, std::uint32_t target);
  // An English concept of part of speech `partOfSpeech` (1 noun, 2 verb) with one variant; with
  // `partOfSpeechInVariant` the variant also carries that part of speech under its concept
  // pointer, as the variants of built databases do.
  void AddConcept(std::uint32_t id, std::int32_t partOfSpeech, std::uint32_t variantId,
                  const char* literal, std::int32_t sense, bool partOfSpeechInVariant = false);

  // Every line of the pane in display order as "<level><text>", a concept line by its variants
  // ("dog :1|domestic dog :1"), "+" after attached lines, "~" after hidden ones.
  Lines Shape() const;
  // The first line (after skipping `skip` of them) whose Shape text, without level and marks,
  // starts with `text`; throws (failing the test) when there is none.
  TreeItem& LineOf(const std::string& text, int skip = 0) const;
  std::string LineStatus() { return person_.status[PersonInterface::StatusPane::kLines]; }

  virtual bool OpensAtSetUp() const { return true; }

  RecordingPerson person_;
  ViewerDatabase database_{person_};
  ConceptPane pane_{database_, person_};
};
