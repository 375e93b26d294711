// Wide system strings with the OLE layout: a 32-bit byte length stored right before the text and a
// NUL after it. Every text result of the library is one of these, owned by the caller, who releases
// it with SysFreeString. A null BSTR means "absent".
#pragma once

#include <cstdint>

#include "LexcoreExport.h"

using OLECHAR = char16_t;
using BSTR = OLECHAR*;

// A new string holding `text` up to its NUL; null for a null `text` or when memory runs out.
LEXCORE_API BSTR SysAllocString(const OLECHAR* text);
// A new string of `length` characters copied from `text`, or left zeroed when `text` is null.
LEXCORE_API BSTR SysAllocStringLen(const OLECHAR* text, std::uint32_t length);
// Replaces *string by a new copy of `text` (freeing the old one); 1 on success, 0 when out of
// memory (then *string is unchanged).
LEXCORE_API int SysReAllocString(BSTR* string, const OLECHAR* text);
LEXCORE_API int SysReAllocStringLen(BSTR* string, const OLECHAR* text, std::uint32_t length);
// Length in characters (not counting the NUL); 0 for null.
LEXCORE_API std::uint32_t SysStringLen(BSTR string);
// Frees a string made by the functions above; null is allowed.
LEXCORE_API void SysFreeString(BSTR string);
