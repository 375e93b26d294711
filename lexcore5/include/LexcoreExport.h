// Marks the classes and functions that liblexcore5.so exports; everything else stays hidden.
#pragma once

#define LEXCORE_API __attribute__((visibility("default")))
