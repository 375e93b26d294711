// The subcommands of polylex. Each returns the process exit status (0 on success) and writes its
// errors to standard error as one line.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "DatabaseBuilder.h"

namespace polylex {

int RunBuild(const importers::BuildOptions& options);
int RunInfo(const std::string& path);
int RunDump(const std::string& path, std::uint32_t store, std::uint16_t container,
            std::uint32_t recordId);
// The export text of every meaning of `word` with sense number `sense` in language `code`: the
// exporter's full text, or with `table` the concept's own table-driven form.
int RunExport(const std::string& path, const std::string& code, const std::string& word,
              std::int16_t sense, bool table);
// Language `code` of the database as a WN-LMF 1.4 file at `output` (refused when it exists, unless
// `force`), with a summary line of what it holds and what it could not carry.
int RunExportLmf(const std::string& path, const std::string& code, const std::string& output,
                 bool force);
struct LookupOptions {
  bool relations = false;  // each meaning's relations with their targets
  bool top = false;        // the hyperonym paths to the top, and the ontology's classification
  bool ili = false;        // the equivalents in every other language
};
// The meanings of `word` in language `code` grouped by part of speech: variants, definition and
// ILI glosses, and what the options add.
int RunLookup(const std::string& path, const std::string& code, const std::string& word,
              const LookupOptions& options);
// The dictionary listing of language `code`: at most `count` word forms from `prefix` on, or those
// matching it when it holds "?" or "*".
int RunBrowse(const std::string& path, const std::string& code, const std::string& prefix,
              std::size_t count);
int RunQuery(const std::string& path, std::uint32_t store, std::uint16_t container,
             const std::string& criteria, std::uint16_t index, std::uint32_t limit);

}  // namespace polylex
