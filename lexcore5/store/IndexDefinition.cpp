#include "store/IndexDefinition.h"

#include "ArbCodes.h"

namespace store {
namespace {

bool IsValidComponent(const IndexComponent& component) {
  if (component.depth == 0 || component.depth > kMaxPathDepth) return false;
  if (component.type != KeyType::kText && component.type != KeyType::kNumber &&
      component.type != KeyType::kPointer) {
    return false;
  }
  for (std::size_t level = 0; level < component.depth; ++level) {
    if (component.path[level] == 0) return false;
  }
  return true;
}

}  // namespace

std::uint32_t CheckComponents(const IndexComponent* components, std::size_t count) {
  if (components == nullptr || count == 0 || count > kMaxIndexComponents) return arbcode::BAD_IX;
  for (std::size_t i = 0; i < count; ++i) {
    if (!IsValidComponent(components[i])) return arbcode::BAD_IX;
  }
  return arbcode::SUCCESS;
}

std::string EncodeComponents(const std::vector<IndexComponent>& components) {
  std::string blob;
  for (const IndexComponent& component : components) {
    blob.push_back(static_cast<char>(component.depth));
    blob.push_back(static_cast<char>(component.type));
    for (std::size_t level = 0; level < component.depth; ++level) {
      blob.push_back(static_cast<char>(component.path[level] & 0xFF));
      blob.push_back(static_cast<char>(component.path[level] >> 8));
    }
  }
  return blob;
}

std::uint32_t DecodeComponents(std::string_view blob, std::vector<IndexComponent>* components) {
  components->clear();
  const auto* at = reinterpret_cast<const std::uint8_t*>(blob.data());
  const auto* end = at + blob.size();
  while (at != end) {
    if (end - at < 2) return arbcode::DATA_ERROR;
    IndexComponent component{};
    component.depth = at[0];
    component.type = static_cast<KeyType>(at[1]);
    at += 2;
    if (component.depth > kMaxPathDepth || end - at < 2 * component.depth) {
      return arbcode::DATA_ERROR;
    }
    for (std::size_t level = 0; level < component.depth; ++level, at += 2) {
      component.path[level] = static_cast<std::uint16_t>(at[0] | at[1] << 8);
    }
    components->push_back(component);
  }
  return CheckComponents(components->data(), components->size()) == arbcode::SUCCESS
             ? arbcode::SUCCESS
             : arbcode::DATA_ERROR;
}

bool AreTwins(const IndexDefinition& a, const IndexDefinition& b) {
  return a.store == b.store && a.container == b.container &&
         EncodeComponents(a.components) == EncodeComponents(b.components);
}

}  // namespace store
