// White space in WN-LMF text content. Under xml:space="default" the application decides; ours
// reads a definition spread over indented lines as one line, and the export marks text that this
// would change as xml:space="preserve".
#pragma once

#include <string>
#include <string_view>

namespace importers {

// The text trimmed, each run of XML white space (blank, tab, CR, LF) one blank.
std::string CollapseWhitespace(std::string_view text);
// Whether the text is empty or white space only.
bool IsBlank(std::string_view text);

}  // namespace importers
