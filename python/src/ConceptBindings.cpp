#include <pybind11/stl.h>

#include "Bindings.h"
#include "ConceptView.h"

namespace py = pybind11;

namespace pylex {
namespace {

std::string WordsOf(ConceptView& meaning) {
  std::string words;
  for (const VariantInfo& variant : meaning.Variants()) {
    words += (words.empty() ? "" : ", ") + variant.literal + ":" + std::to_string(variant.sense);
  }
  return words;
}

void BindRecords(py::module_& module) {
  py::class_<VariantInfo>(module, "Variant", "One word of a concept, with its sense number.")
      .def_readonly("literal", &VariantInfo::literal)
      .def_readonly("sense", &VariantInfo::sense)
      .def_readonly("definition", &VariantInfo::definition)
      .def_readonly("examples", &VariantInfo::examples)
      .def("__repr__", [](const VariantInfo& variant) {
        return "<lexcore5.Variant " + variant.literal + ":" + std::to_string(variant.sense) + ">";
      });
  py::class_<IliInfo>(module, "IliRecord", "A record of the inter-lingual index.")
      .def_readonly("id", &IliInfo::id)
      .def_readonly("gloss", &IliInfo::gloss)
      .def_readonly("part_of_speech", &IliInfo::partOfSpeech)
      .def_readonly("offset", &IliInfo::offset, "The offset in Princeton WordNet's data files.")
      .def("__repr__", [](const IliInfo& record) {
        return "<lexcore5.IliRecord " + std::to_string(record.id) + " " + record.partOfSpeech + ">";
      });
  py::class_<LinkInfo>(module, "Link", "A link of a concept to another of its language.")
      .def_readonly("relation", &LinkInfo::relation)
      .def_readonly("relation_id", &LinkInfo::relationId)
      .def_readonly("target", &LinkInfo::target, "The target concept; None if it cannot be read.")
      .def("__repr__", [](const LinkInfo& link) {
        return "<lexcore5.Link " + link.relation + " " +
               (link.target ? std::to_string(link.target->Id()) : "?") + ">";
      });
}

}  // namespace

void BindConcepts(py::module_& module) {
  BindRecords(module);
  py::class_<ConceptView, std::shared_ptr<ConceptView>>(module, "Concept",
                                                        "One concept (synset) of a language.")
      .def_property_readonly("id", &ConceptView::Id)
      .def_property_readonly("language", &ConceptView::Language)
      .def_property_readonly("part_of_speech", &ConceptView::PartOfSpeech)
      .def_property_readonly("variants", &ConceptView::Variants)
      .def_property_readonly(
          "words",
          [](ConceptView& meaning) {
            std::vector<std::string> words;
            for (VariantInfo& variant : meaning.Variants()) words.push_back(variant.literal);
            return words;
          },
          "The concept's words in member order.")
      .def_property_readonly("definition", &ConceptView::Definition)
      .def("links", &ConceptView::Links, py::arg("relation") = py::none(),
           "The links of one relation (by name), or of all.")
      .def("related", &ConceptView::Related, py::arg("relation"),
           "The concepts the links of one relation (by name) lead to.")
      .def("hyperonyms", &ConceptView::Hyperonyms)
      .def("hyponyms", &ConceptView::Hyponyms)
      .def("hyperonym_paths", &ConceptView::HyperonymPaths,
           "Every path from a concept without hyperonyms down to this one.")
      .def_property_readonly("ili_records", &ConceptView::IliRecords)
      .def("equivalents", &ConceptView::Equivalents, py::arg("language") = py::none(),
           "The concepts of the other languages, or of the one with that code, that share an ILI "
           "record with this one.")
      .def("export", &ConceptView::ExportText, "The concept's full export text.")
      .def(
          "__eq__",
          [](const ConceptView& meaning, const ConceptView& other) {
            return meaning.Id() == other.Id() &&
                   meaning.Language()->StoreId() == other.Language()->StoreId();
          },
          py::is_operator())
      .def("__hash__",
           [](const ConceptView& meaning) {
             return py::hash(py::make_tuple(meaning.Language()->StoreId(), meaning.Id()));
           })
      .def("__repr__", [](ConceptView& meaning) {
        // A repr must not raise: after close the words are no longer there to show.
        const bool open = meaning.Language()->SharedSession()->IsOpen();
        return "<lexcore5.Concept " + meaning.Language()->Code() + " " +
               std::to_string(meaning.Id()) + (open ? " " + WordsOf(meaning) : "") + ">";
      });
}

}  // namespace pylex
