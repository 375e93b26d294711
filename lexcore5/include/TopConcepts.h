// A collection of top concepts, whatever holds them: every top concept of the database
// (CursorTopConcepts, from Polylex::GetTopConcepts) or the targets of one relation of one top
// concept (LinkedTopConcepts). Callers walk it through this interface only.
//
// Ownership: every top concept handed out is a new object owned by the caller, released with its
// Destroy(); it stays valid after the collection is destroyed. The collection itself is released
// with Destroy(), never with delete.
#pragma once

#include <cstdint>

#include "LexcoreExport.h"

class TopConcept;

class LEXCORE_API TopConcepts {
 public:
  TopConcepts() = default;
  TopConcepts(const TopConcepts&) = default;
  // Holds no data of its own: assigning changes nothing.
  TopConcepts& operator=(const TopConcepts&) = default;

  // Deletes the whole object, whichever class it is.
  virtual void Destroy() = 0;
  // The number of top concepts, cut to 16 bits.
  virtual std::int16_t GetCount() = 0;
  // Each hands out the top concept at the named position as a new object and moves there: 1 with
  // *topConcept set. 0 past either end, when the record cannot be read, or when memory runs out;
  // no object is handed out then, and *topConcept holds nothing the caller owns.
  virtual int GetFirst(TopConcept** topConcept) = 0;
  virtual int GetNext(TopConcept** topConcept) = 0;
  virtual int GetPrevious(TopConcept** topConcept) = 0;
  virtual int GetLast(TopConcept** topConcept) = 0;
  virtual int GetCurrent(TopConcept** topConcept) = 0;

 protected:
  virtual ~TopConcepts();
};
