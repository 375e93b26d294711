// polylex browse: the word-form listing the viewer's browse list shows as a user types.
#include <cstdio>
#include <string>

#include "ArbError.h"
#include "Commands.h"
#include "Dictionary.h"
#include "DictionaryEntry.h"
#include "ErrorText.h"
#include "LanguageChoice.h"
#include "LanguageWordNet.h"
#include "PLXException.h"
#include "Polylex.h"
#include "platform/TextConvert.h"

using lexicon::Owned;

namespace polylex {

int RunBrowse(const std::string& path, const std::string& code, const std::string& prefix,
              std::size_t count) {
  return WithLibraryErrors(path, [&] {
    Polylex database;
    database.Open(path.c_str(), nullptr, 1, 0);
    const Owned<LanguageWordNet> language = ChooseLanguage(database, path, code);
    if (!language) return 1;
    const Owned<Dictionary> dictionary(language->GetDictionary());
    if (prefix.find_first_of("?*") != std::string::npos) {
      dictionary->SetFilter(prefix.c_str(), 0);
    } else {
      dictionary->SetFilter(prefix.c_str(), nullptr, 0);
    }
    DictionaryEntry* item = nullptr;
    for (std::size_t listed = 0; listed < count && dictionary->GetNext(&item) != 0; ++listed) {
      const Owned<DictionaryEntry> entry(item);
      BSTR literal = entry->GetLiteral();
      std::printf("%s\n", literal == nullptr ? "" : platform::Utf16ToUtf8(literal).c_str());
      SysFreeString(literal);
    }
    return 0;
  });
}

}  // namespace polylex
