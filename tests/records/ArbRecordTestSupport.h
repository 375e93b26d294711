// Shared shapes for the record wrapper tests.
#pragma once

#include <string>

#include "ArbRecord.h"

// The tags of the record's tree in pre-order, each with its level.
inline std::string Shape(const ArbRecord& record) {
  std::string shape;
  const node* root = record;
  for (const node* n = root; n != nullptr && (n == root || n->level > root->level); n = n->next) {
    if (!shape.empty()) shape += ' ';
    shape += std::to_string(n->tag) + ":" + std::to_string(n->level);
  }
  return shape;
}

// 1 ( 2 ( 3 4 ) 5 ( 6 ) 2 ( 3 ) ), current at the root.
inline void BuildSample(ArbRecord& record) {
  record = ArbRecord(1);
  record.AddField(2, ArbRecord::kLast, ArbRecord::eFromRoot, ArbRecord::eGraftChild);
  record.AddField(3, ArbRecord::kLast, ArbRecord::eFromCurrent, ArbRecord::eGraftChild);
  record.AddField(4, 0, ArbRecord::eFromCurrent, ArbRecord::eGraftSibling);
  record.AddField(5, ArbRecord::kLast, ArbRecord::eFromRoot, ArbRecord::eGraftChild);
  record.AddField(6, ArbRecord::kLast, ArbRecord::eFromCurrent, ArbRecord::eGraftChild);
  record.AddField(2, ArbRecord::kLast, ArbRecord::eFromRoot, ArbRecord::eGraftChild);
  record.AddField(3, ArbRecord::kLast, ArbRecord::eFromCurrent, ArbRecord::eGraftChild);
  record.GotoRoot();
}
