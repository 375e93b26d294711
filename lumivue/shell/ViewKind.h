// The two kinds of view, in the order of their document templates.
#pragma once

enum class ViewKind {
  kMonolingual = 0,   // one tree ("Monolingual View")
  kMultilingual = 1,  // two trees side by side ("Multilingual View")
};
