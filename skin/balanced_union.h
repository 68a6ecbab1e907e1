#pragma once
// Unites many parts into one, pairwise in a balanced order like the carries of a binary counter:
// a new part is united with the newest kept part while both stand for as many leaves, so each
// leaf's content is copied about log2(leaves) times, not once per later part as when every part
// is added to one growing whole, and at most log2(leaves) + 1 parts are alive at once (region
// handles are a limited resource). The order of the leaves is kept: the older part is always the
// one united into.

#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

// Unite(Part& into, Part&& from) -> bool: false when the union failed.
template <typename Part, typename Unite>
class BalancedUnion {
 public:
  explicit BalancedUnion(Unite unite) : unite_(std::move(unite)) {}

  // False once any union has failed; every later call then does nothing.
  [[nodiscard]] bool Add(Part leaf) {
    if (failed_) return false;
    Kept next{std::move(leaf), 1};
    while (!kept_.empty() && kept_.back().leaves == next.leaves) {
      Kept older = std::move(kept_.back());
      kept_.pop_back();
      if (!unite_(older.part, std::move(next.part))) return Fail();
      next = {std::move(older.part), older.leaves * 2};
    }
    kept_.push_back(std::move(next));
    return true;
  }

  // The union of every leaf added; nothing when none was added or a union failed.
  [[nodiscard]] std::optional<Part> Take() {
    if (failed_ || kept_.empty()) return std::nullopt;
    Part whole = std::move(kept_.back().part);
    kept_.pop_back();
    while (!kept_.empty()) {
      Part older = std::move(kept_.back().part);
      kept_.pop_back();
      if (!unite_(older, std::move(whole))) {
        Fail();
        return std::nullopt;
      }
      whole = std::move(older);
    }
    return whole;
  }

  size_t alive() const { return kept_.size(); }

 private:
  struct Kept {
    Part part;
    size_t leaves;
  };

  bool Fail() {
    failed_ = true;
    kept_.clear();
    return false;
  }

  Unite unite_;
  std::vector<Kept> kept_;
  bool failed_ = false;
};
