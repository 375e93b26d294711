#include "store/IndexKeys.h"

#include <algorithm>

#include "ArbCodes.h"
#include "store/FieldTree.h"
#include "store/FieldValue.h"

namespace store {
namespace {

void AppendBigEndian16(std::uint16_t value, std::string* key) {
  key->push_back(static_cast<char>(value >> 8));
  key->push_back(static_cast<char>(value & 0xFF));
}

std::uint32_t AppendValueKey(KeyType type, const Collator& collator, const node* field,
                             std::string* key) {
  switch (type) {
    case KeyType::kText: {
      std::string_view text;
      if (std::uint32_t code = GetUtf8(field, &text)) return code;
      return collator.AppendSortKey(text, key) ? arbcode::SUCCESS : arbcode::MEM;
    }
    case KeyType::kNumber: {
      std::int32_t value = 0;
      if (std::uint32_t code = GetInt32(field, &value)) return code;
      AppendNumberKey(value, key);
      return arbcode::SUCCESS;
    }
    case KeyType::kPointer: {
      std::uint32_t recordId = 0;
      if (std::uint32_t code = GetRecordPointer(field, &recordId)) return code;
      AppendPointerKey(recordId, key);
      return arbcode::SUCCESS;
    }
  }
  return arbcode::BAD_IX;
}

// The fields that `path` reaches from the root, every occurrence at every level.
std::vector<const node*> FieldsOnPath(const IndexComponent& component, const node* root) {
  std::vector<const node*> reached;
  if (root->tag != component.path[0]) return reached;
  reached.push_back(root);
  std::vector<const node*> deeper;
  for (std::size_t level = 1; level < component.depth && !reached.empty(); ++level) {
    deeper.clear();
    for (const node* parent : reached) {
      for (const node* child = FirstChild(parent); child != nullptr; child = NextSibling(child)) {
        if (child->tag == component.path[level]) deeper.push_back(child);
      }
    }
    reached.swap(deeper);
  }
  return reached;
}

// One key part (presence byte and value key) per occurrence of the component's field.
std::uint32_t ComponentParts(const IndexComponent& component, const Collator& collator,
                             const node* root, std::vector<std::string>* parts) {
  parts->clear();
  for (const node* field : FieldsOnPath(component, root)) {
    std::string part(1, kComponentPresent);
    const std::uint32_t code = AppendValueKey(component.type, collator, field, &part);
    if (code == arbcode::CONV_NULL_SRC) continue;
    if (code != arbcode::SUCCESS) return code;
    parts->push_back(std::move(part));
  }
  return arbcode::SUCCESS;
}

}  // namespace

void AppendIndexPrefix(std::uint32_t store, std::uint16_t number, std::string* key) {
  AppendBigEndian16(static_cast<std::uint16_t>(store), key);
  AppendBigEndian16(number, key);
}

void AppendNumberKey(std::int32_t value, std::string* key) {
  AppendPointerKey(static_cast<std::uint32_t>(value) ^ 0x80000000u, key);
}

void AppendPointerKey(std::uint32_t recordId, std::string* key) {
  for (int shift = 24; shift >= 0; shift -= 8) key->push_back(static_cast<char>(recordId >> shift));
}

std::uint32_t RecordIdOfKey(std::string_view key) {
  if (key.size() < kIndexPrefixSize + 4) return 0;
  std::uint32_t recordId = 0;
  for (std::size_t i = key.size() - 4; i < key.size(); ++i) {
    recordId = recordId << 8 | static_cast<std::uint8_t>(key[i]);
  }
  return recordId;
}

std::string PrefixEnd(std::string_view prefix) {
  std::string end(prefix);
  while (!end.empty() && static_cast<std::uint8_t>(end.back()) == 0xFF) end.pop_back();
  if (!end.empty()) end.back() = static_cast<char>(static_cast<std::uint8_t>(end.back()) + 1);
  return end;
}

std::uint32_t BuildIndexKeys(const IndexDefinition& definition, const Collator& collator,
                             const node* root, std::uint32_t recordId,
                             std::vector<std::string>* keys) {
  keys->clear();
  const std::size_t count = definition.components.size();
  std::vector<std::vector<std::string>> parts(count);
  std::size_t combinations = 1;
  for (std::size_t i = 0; i < count; ++i) {
    if (std::uint32_t code = ComponentParts(definition.components[i], collator, root, &parts[i])) {
      return code;
    }
    if (parts[i].empty()) {
      if (i == 0) return arbcode::SUCCESS;
      parts[i].emplace_back(1, kComponentAbsent);
    }
    combinations *= parts[i].size();
    if (combinations > kMaxEntriesPerRecord) return arbcode::IX_FAILURE;
  }

  // Walk every combination of occurrences like an odometer, the last component turning fastest.
  std::vector<std::size_t> choice(count, 0);
  std::string prefix;
  AppendIndexPrefix(definition.store, definition.entries, &prefix);
  for (std::size_t n = 0; n < combinations; ++n) {
    std::string key = prefix;
    for (std::size_t i = 0; i < count; ++i) key += parts[i][choice[i]];
    AppendPointerKey(recordId, &key);
    keys->push_back(std::move(key));
    for (std::size_t i = count; i-- > 0;) {
      if (++choice[i] < parts[i].size()) break;
      choice[i] = 0;
    }
  }
  std::sort(keys->begin(), keys->end());
  keys->erase(std::unique(keys->begin(), keys->end()), keys->end());
  return arbcode::SUCCESS;
}

}  // namespace store
