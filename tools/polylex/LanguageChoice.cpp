#include "LanguageChoice.h"

#include <strings.h>

#include <cstdio>

#include "Language.h"
#include "LanguageWordNet.h"
#include "LanguageWordNets.h"
#include "Polylex.h"
#include "platform/TextConvert.h"

namespace polylex {

lexicon::Owned<LanguageWordNet> ChooseLanguage(Polylex& database, const std::string& path,
                                               const std::string& code) {
  // Walking the short list first keeps a wrong code from ending in a bare store code.
  lexicon::Owned<LanguageWordNets> all(database.GetLanguageWordNets());
  std::string known;
  LanguageWordNet* item = nullptr;
  for (int more = all->GetFirst(&item); more != 0; more = all->GetNext(&item)) {
    const lexicon::Owned<LanguageWordNet> wordNet(item);
    const lexicon::Owned<Language> language(wordNet->GetLanguage());
    BSTR text = language->GetCode();
    const std::string each = text == nullptr ? "" : platform::Utf16ToUtf8(text);
    SysFreeString(text);
    if (strcasecmp(each.c_str(), code.c_str()) == 0) {
      return lexicon::Owned<LanguageWordNet>(all->GetItem(code.c_str()));
    }
    known += (known.empty() ? "" : ", ") + each;
  }
  std::fprintf(stderr, "polylex: %s: no language with code %s (it has %s)\n", path.c_str(),
               code.c_str(), known.empty() ? "none" : known.c_str());
  return nullptr;
}

}  // namespace polylex
