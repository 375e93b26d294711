#include <pybind11/stl.h>

#include "Bindings.h"
#include "ConceptIterator.h"
#include "LanguageView.h"
#include "LanguageWordNet.h"
#include "Session.h"
#include "WordIterator.h"

namespace py = pybind11;

namespace pylex {
namespace {

std::map<std::string, std::int16_t> RelationsByName(Session& session) {
  std::map<std::string, std::int16_t> relations;
  for (const auto& [id, name] : session.RelationNames()) {
    if (!name.empty()) relations.emplace(name, id);
  }
  return relations;
}

void BindSession(py::module_& module) {
  py::class_<Session, std::shared_ptr<Session>>(
      module, "Database",
      "An open lexical database, read-only. Use it in a `with` block or call close(); every "
      "object reached from it raises ClosedError once it is closed.")
      .def(py::init<const std::string&>(), py::arg("path"),
           "Opens the database file; OpenError when it cannot.")
      .def("close", &Session::Close, "Closes the database; closing twice is harmless.")
      .def_property_readonly("closed", [](const Session& session) { return !session.IsOpen(); })
      .def_property_readonly("path", &Session::Path)
      .def("__enter__", [](std::shared_ptr<Session> session) { return session; })
      .def("__exit__", [](Session& session, py::args) { session.Close(); })
      .def_property_readonly(
          "languages", [](std::shared_ptr<Session> session) { return LanguageView::All(session); },
          "Every language of the database, in the order they were added.")
      .def(
          "language",
          [](std::shared_ptr<Session> session, const std::string& code) {
            return LanguageView::ByCode(session, code);
          },
          py::arg("code"), "The language with that code (\"en\", \"nl\"); NotFoundError if none.")
      .def_property_readonly(
          "relations", [](Session& session) { return RelationsByName(session); },
          "The relations' names, each with its ID.")
      .def("__repr__", [](const Session& session) {
        return "<lexcore5.Database " + session.Path() + (session.IsOpen() ? "" : " (closed)") + ">";
      });
}

void BindLanguage(py::module_& module) {
  py::class_<LanguageView, std::shared_ptr<LanguageView>>(module, "Language",
                                                          "One language wordnet of a database.")
      .def_property_readonly("code", &LanguageView::Code)
      .def_property_readonly("name", &LanguageView::Name)
      .def("lookup", &LanguageView::Lookup, py::arg("word"), py::kw_only(),
           py::arg("exact") = false,
           "The concepts of a word (letter case ignored). A word without any is looked up by "
           "its base forms (\"geese\" finds goose) unless exact is true.")
      .def("base_forms", &LanguageView::BaseFormsOf, py::arg("word"), py::arg("part_of_speech") = 0,
           "The base forms of an inflected word that are words of this language; part of "
           "speech 0 any, 1 noun, 2 verb, 3 adjective, 4 adverb.")
      .def(
          "concepts",
          [](std::shared_ptr<LanguageView> language, const std::optional<std::string>& word) {
            return ConceptIterator(
                language, word ? language->ConceptsOf(*word) : language->WordNet().GetConcepts());
          },
          py::arg("word") = py::none(),
          "An iterator over every concept of the language, or over those of one word.")
      .def(
          "words",
          [](std::shared_ptr<LanguageView> language, const std::optional<std::string>& start,
             const std::optional<std::string>& pattern) {
            return WordIterator(language, start, pattern);
          },
          py::kw_only(), py::arg("start") = py::none(), py::arg("pattern") = py::none(),
          "An iterator over the dictionary's word forms in the language's order: all, those "
          "from `start` on, or those that match `pattern` (\"*\" and \"?\").")
      .def("__repr__", [](const LanguageView& language) {
        return "<lexcore5.Language " + language.Code() + " " + language.Name() + ">";
      });

  py::class_<ConceptIterator>(module, "ConceptIterator")
      .def("__iter__", [](py::object self) { return self; })
      .def("__next__", [](ConceptIterator& iterator) {
        std::shared_ptr<ConceptView> next = iterator.Next();
        if (!next) throw py::stop_iteration();
        return next;
      });
  py::class_<WordIterator>(module, "WordIterator")
      .def("__iter__", [](py::object self) { return self; })
      .def("__next__", [](WordIterator& iterator) {
        std::optional<std::string> next = iterator.Next();
        if (!next) throw py::stop_iteration();
        return *next;
      });
}

}  // namespace

void BindDatabase(py::module_& module) {
  BindSession(module);
  BindLanguage(module);
  module.def(
      "open", [](const std::string& path) { return std::make_shared<Session>(path); },
      py::arg("path"), "Opens a database read-only (the same as Database(path)).");
}

}  // namespace pylex
