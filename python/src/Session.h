// One open database as the Python objects share it. Every object reached from the database holds
// the session and asks it for the database on each use, so that after close the use raises
// lexcore5.ClosedError instead of reaching a store that is gone.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "Polylex.h"

namespace pylex {

class Session {
 public:
  // Opens `path` read-only; BindingError (kind kOpen) with the store's code when it cannot.
  explicit Session(const std::string& path);
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;
  ~Session();

  // The open database; BindingError (kind kClosed) once Close has run.
  Polylex& Database();
  // Closing twice is harmless.
  void Close();
  bool IsOpen() const { return polylex_.IsOpen() != 0; }
  const std::string& Path() const { return path_; }

  // Relation names by ID and the other way round (names in lower case), read once.
  const std::map<std::int16_t, std::string>& RelationNames();
  // The ID of the relation named `name` (letter case ignored); BindingError (kind kNotFound) with
  // the known names when there is none.
  std::int16_t RelationId(const std::string& name);

 private:
  void LoadRelations();

  Polylex polylex_;
  std::string path_;
  std::map<std::int16_t, std::string> namesById_;
  std::map<std::string, std::int16_t> idsByName_;
};

}  // namespace pylex
