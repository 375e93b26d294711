// The address of a set of records: database handle, container and store. A new or cleared context
// is (null, 32001, 0): no database, the default data container of store 0.
#pragma once

#include <cstdint>

#include "LexcoreExport.h"

class LEXCORE_API ArbContext {
 public:
  static constexpr std::uint16_t kDefaultContainer = 32001;

  // `database` is a database handle of the record store (not owned).
  explicit ArbContext(void* database = nullptr, std::uint16_t container = kDefaultContainer,
                      std::uint32_t store = 0)
      : database_(database), container_(container), store_(store) {}
  ArbContext(const ArbContext&) = default;
  ArbContext& operator=(const ArbContext&) = default;
  virtual ~ArbContext();

  void SetSource(const ArbContext& other) { *this = other; }
  void SetSource(void* database, std::uint16_t container, std::uint32_t store);
  void ClearSource() { SetSource(nullptr, kDefaultContainer, 0); }

  void* GetDatabase() const { return database_; }
  std::uint16_t GetContainer() const { return container_; }
  std::uint32_t GetStore() const { return store_; }

 private:
  void* database_;
  std::uint16_t container_;
  std::uint32_t store_;
};
