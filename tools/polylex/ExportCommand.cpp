// polylex export: the export text of the meanings a word has with a given sense number.
#include <cstdio>
#include <string>

#include "ArbCodes.h"
#include "ArbCursor.h"
#include "ArbRecord.h"
#include "Commands.h"
#include "ConceptExporter.h"
#include "ErrorText.h"
#include "LexicalSchema.h"
#include "PLXException.h"
#include "Polylex.h"
#include "String.h"

namespace polylex {
namespace {

// The store of the language with `code`, 0 when the database has no such language.
std::uint32_t LanguageStore(void* db, const std::string& code) {
  ArbCursor languages(db, schema::kLanguages, schema::kSharedStore);
  languages.AddField(schema::LANGUAGE_CODE);
  languages.AddOp(21);
  languages.AddValue(code.c_str());
  ArbRecord language;
  if (!languages.Validate() || !languages.ReadFirst(language)) return 0;
  return language.FindGetWUDWORD(schema::STORE_ID);
}

}  // namespace

int RunExport(const std::string& path, const std::string& code, const std::string& word,
              std::int16_t sense) {
  Polylex database;
  try {
    database.Open(path.c_str(), nullptr, 1, 0);
    void* db = database.GetDatabase();
    const std::uint32_t store = LanguageStore(db, code);
    if (store == 0) {
      std::fprintf(stderr, "polylex: %s: no language with code %s\n", path.c_str(), code.c_str());
      return 1;
    }
    ArbCursor variants(db, schema::kDefaultContainer, store);
    variants.SetMasterIndex(schema::kLiteralIndex, 1);
    variants.CaseSensitive(1);
    variants.Wildcards(0);
    const std::uint16_t literal[] = {schema::VARIANT, schema::LITERAL, 0};
    variants.AddField(literal);
    variants.AddOp(21);
    variants.AddValue(word.c_str());
    variants.Validate();
    ConceptExporter exporter(db, store);
    ArbRecord variant;
    ArbRecord conceptRecord;
    int exported = 0;
    while (variants.ReadNext(variant)) {
      if (variant.FindGetWSWORD(schema::SENSE) != sense) continue;
      const std::uint32_t conceptId = variant.FindGetRecPtr(schema::CONCEPT);
      if (!conceptRecord.Retrieve(db, store, schema::kConcepts, conceptId)) continue;
      String text;
      exporter.Write(conceptRecord, text);
      std::fputs(text.GetAnsi(), stdout);
      ++exported;
    }
    if (exported == 0) {
      std::fprintf(stderr, "polylex: %s has no meaning \"%s\" with sense %d\n", code.c_str(),
                   word.c_str(), sense);
      return 1;
    }
  } catch (const PLXException& error) {
    std::fprintf(stderr, "polylex: %s\n", Describe(error, path).c_str());
    return 1;
  } catch (const ArbError& error) {
    std::fprintf(stderr, "polylex: %s\n", DescribeStoreCode(error, path).c_str());
    return 1;
  }
  return 0;
}

}  // namespace polylex
