#include "sim/unique_id.h"

#include <random>
#include <unordered_set>

namespace wavora {

namespace {

constexpr uint32_t kFirstID = 10;
constexpr uint32_t kEndID = 2147000000;  // exclusive

constexpr uint32_t kDefaultSeed = 5489u;

struct TIDState {
  // mt19937's output sequence is fixed by the standard, so a seed repeats on every platform; the
  // standard distributions are not, hence the plain scaling below.
  std::mt19937 engine{kDefaultSeed};
  std::unordered_set<int32_t> issued;
};

TIDState& State() {
  static TIDState state;
  return state;
}

}  // namespace

int32_t NewUniqueID() {
  TIDState& state = State();
  int32_t id;
  do {
    const uint64_t r = state.engine();
    id = static_cast<int32_t>(kFirstID + ((r * (kEndID - kFirstID)) >> 32));
  } while (state.issued.count(id) != 0);
  state.issued.insert(id);
  return id;
}

void SeedUniqueIDs(uint32_t seed) {
  State().engine.seed(seed);
}

void RestartUniqueIDs() {
  TIDState& state = State();
  state.engine.seed(kDefaultSeed);
  std::unordered_set<int32_t>().swap(state.issued);
}

}  // namespace wavora
