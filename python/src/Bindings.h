// The Python classes of the module, bound in two translation units to keep compiles short.
#pragma once

#include <pybind11/pybind11.h>

namespace pylex {

// Database, Language and the iterators over concepts and word forms.
void BindDatabase(pybind11::module_& module);
// Concept, Variant, Link and IliRecord.
void BindConcepts(pybind11::module_& module);

}  // namespace pylex
