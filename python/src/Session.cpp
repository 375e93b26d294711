#include "Session.h"

#include "ArbCodes.h"
#include "Errors.h"
#include "PLXException.h"
#include "Relation.h"
#include "Relations.h"
#include "Text.h"
#include "lexicon/Factory.h"

namespace pylex {
namespace {

std::string OpenFailure(const std::string& path, const PLXException& error) {
  if (error.GetError() == ePLXIncompatibleDatabase) {
    return path + ": not a lexical database this version can read";
  }
  if (error.GetError() != ePLXArborError) return path + ": " + static_cast<const char*>(error);
  switch (error.GetARBORError()) {
    case arbcode::IO_PATH_NOT_FOUND:
      return path + ": no such file";
    case arbcode::NOT_DB:
      return path + ": not a lexical database";
    default:
      return path + ": " + ArbError::NameOf(error.GetARBORError());
  }
}

}  // namespace

Session::Session(const std::string& path) : path_(path) {
  try {
    polylex_.Open(path.c_str(), nullptr, 1, 0);
  } catch (const PLXException& error) {
    // A file that opened but failed the content check stays open until closed.
    if (polylex_.IsOpen()) polylex_.Close();
    const std::uint32_t store = error.GetError() == ePLXArborError ? error.GetARBORError() : 0;
    throw BindingError(ErrorKind::kOpen, OpenFailure(path, error), error.GetError(), store);
  }
}

Session::~Session() {
  try {
    Close();
  } catch (...) {
    // Nobody is left to tell: the objects that shared the session are gone.
  }
}

Polylex& Session::Database() {
  if (!IsOpen()) {
    throw BindingError(ErrorKind::kClosed, path_ + ": the database is closed");
  }
  return polylex_;
}

void Session::Close() {
  if (IsOpen()) polylex_.Close();
}

const std::map<std::int16_t, std::string>& Session::RelationNames() {
  // Names read before a close are not handed out after it: a closed database answers nothing.
  Database();
  if (namesById_.empty()) LoadRelations();
  return namesById_;
}

std::int16_t Session::RelationId(const std::string& name) {
  Database();
  if (idsByName_.empty()) LoadRelations();
  const auto found = idsByName_.find(LowerAscii(name));
  if (found != idsByName_.end()) return found->second;
  std::string known;
  for (const auto& [each, id] : idsByName_) known += (known.empty() ? "" : ", ") + each;
  throw BindingError(ErrorKind::kNotFound,
                     "no relation named \"" + name + "\" (known: " + known + ")",
                     ePLXInvalidRelation);
}

void Session::LoadRelations() {
  const lexicon::Owned<Relations> relations(Database().GetRelations());
  Relation* item = nullptr;
  while (relations->GetNext(&item) != 0) {
    const lexicon::Owned<Relation> relation(item);
    const std::string name = TakeText(relation->GetName());
    namesById_[relation->GetRelationID()] = name;
    if (!name.empty()) idsByName_.emplace(LowerAscii(name), relation->GetRelationID());
  }
}

}  // namespace pylex
