#include "PhaseProgress.h"

namespace importers {
namespace {

constexpr std::uint64_t kStepEvery = 4096;

}  // namespace

PhaseProgress::PhaseProgress(const Progress& progress, const std::string& phase,
                             std::uint64_t total)
    : progress_(progress), total_(total) {
  if (progress_.phase) progress_.phase(phase);
}

void PhaseProgress::Advance() {
  ++done_;
  if (done_ % kStepEvery == 0 && progress_.step) progress_.step(done_, total_);
}

void PhaseProgress::Finish() {
  if (progress_.step) progress_.step(total_, total_);
}

}  // namespace importers
