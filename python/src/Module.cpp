// The lexcore5 Python module: a lexical database opened read-only, its languages, concepts and
// dictionaries.
#include <pybind11/pybind11.h>

#include "Bindings.h"
#include "Errors.h"

PYBIND11_MODULE(lexcore5, module) {
  module.doc() =
      "Read multilingual lexical databases (wordnets) built by polylex.\n\n"
      "    with lexcore5.open('wordnet.fdb') as db:\n"
      "        for concept in db.language('en').lookup('geese'):\n"
      "            print(concept.words, concept.definition)\n";
  pylex::RegisterErrors(module);
  pylex::BindDatabase(module);
  pylex::BindConcepts(module);
}
