#include "LmfIliWriter.h"

#include "ArbError.h"
#include "ArbRecord.h"
#include "BuildFailure.h"
#include "LexicalSchema.h"

namespace importers {

using namespace schema;

void WriteLmfIli(RecordBuilder* builder, void* database, const LmfIliAssignment& assignment) {
  const std::vector<LmfNewIli>& records = assignment.NewRecords();
  for (std::uint32_t i = 0; i < records.size(); ++i) {
    node* root = builder->Start(ILI_RECORD);
    builder->Number(root, PART_OF_SPEECH, records[i].partOfSpeech);
    if (!records[i].gloss.empty()) builder->Text(root, GLOSS, records[i].gloss);
    builder->Number(root, ADD_ON_ID, static_cast<std::int32_t>(i + 1));
    if (!records[i].identifier.empty()) {
      builder->Text(root, ILI_IDENTIFIER, records[i].identifier);
    }
    builder->Add(kIliStore, kDefaultContainer, assignment.FirstNewRecord() + i);
  }
  // WordNet's records are already stored: each takes its identifier as one more field.
  ArbRecord record;
  for (const LmfIliTag& tag : assignment.Tags()) {
    if (!record.Retrieve(database, kIliStore, kDefaultContainer, tag.record) ||
        !record.AddField(ILI_IDENTIFIER, ArbRecord::kLast, ArbRecord::eFromRoot,
                         ArbRecord::eGraftChild) ||
        !record.Put(tag.identifier.c_str()) ||
        !record.Update(database, kIliStore, kDefaultContainer, tag.record)) {
      throw BuildFailure(
          "giving ILI record " + std::to_string(tag.record) + " the identifier " + tag.identifier +
          " failed: " + ArbError::NameOf(static_cast<std::uint32_t>(record.GetLastError())));
    }
  }
}

}  // namespace importers
