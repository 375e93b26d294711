// The boundary of every public store operation: results are codes, so nothing may escape as an
// exception. Running out of memory becomes MEM, a mutex that cannot be taken MUTEX_WAIT_FAILED.
#pragma once

#include <cstdint>
#include <new>
#include <system_error>

#include "ArbCodes.h"

namespace store {

template <typename Operation>
std::uint32_t Guarded(Operation&& operation) noexcept {
  try {
    return operation();
  } catch (const std::bad_alloc&) {
    return arbcode::MEM;
  } catch (const std::system_error&) {
    return arbcode::MUTEX_WAIT_FAILED;
  } catch (...) {
    return arbcode::FAILURE;
  }
}

}  // namespace store
