// The one place that calls the protected constructors of the lexical classes. Every lexical class
// names lexicon::Factory its friend, so the library can make the objects it hands out while
// callers can only copy and Destroy() them.
#pragma once

#include <cstdint>
#include <memory>
#include <new>
#include <utility>

namespace lexicon {

class Factory {
 public:
  // A new object, or null when memory runs out. Exceptions of the constructor (ArbError from a
  // cursor that cannot start) pass through.
  template <typename T, typename... Args>
  static T* New(Args&&... args) {
    return new (std::nothrow) T(std::forward<Args>(args)...);
  }
};

// Releases a lexical object the way its owner must: through Destroy().
struct Destroyer {
  template <typename T>
  void operator()(T* object) const {
    object->Destroy();
  }
};

// Holds an object that is being set up; release() hands it to the caller once it is complete, and
// an exception on the way destroys it.
template <typename T>
using Owned = std::unique_ptr<T, Destroyer>;

}  // namespace lexicon
