// A pool for field tests, emptied after each test, with shortcuts for building fields in it.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "ArbCodes.h"
#include "Node.h"
#include "store/FieldTree.h"
#include "store/Pool.h"

class FieldPoolFixture : public testing::Test {
 protected:
  FieldPoolFixture() { store::PoolInit(&pool_, 256); }
  ~FieldPoolFixture() override { store::PoolFree(&pool_); }

  node* NewField(std::uint16_t tag, std::uint32_t recordId = 0) {
    node* field = nullptr;
    EXPECT_EQ(store::CreateField(&pool_, tag, recordId, &field), arbcode::SUCCESS);
    return field;
  }

  // A field whose value is exactly `bytes`, as a damaged or foreign record would hold it.
  node* RawField(FieldType type, std::initializer_list<unsigned char> bytes) {
    node* field = NewField(1);
    auto* value = static_cast<unsigned char*>(store::PoolAllocate(&pool_, bytes.size()));
    std::copy(bytes.begin(), bytes.end(), value);
    field->value = value;
    field->length = static_cast<std::uint16_t>(bytes.size());
    field->type = type;
    return field;
  }

  static std::vector<unsigned char> ValueBytes(const node* field) {
    const auto* bytes = static_cast<const unsigned char*>(field->value);
    return std::vector<unsigned char>(bytes, bytes + field->length);
  }

  PoolMemoryManager pool_;
};
