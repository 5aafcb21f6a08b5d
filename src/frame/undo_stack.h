#pragma once
// Undo and redo of a sheet's setting changes. Each entry is one user action — a control's
// change, a reset to default, a page restored, a list edited, a settings file imported — with
// the state it changed before and after it and the place to show when it is undone or
// redone. A new action clears what was undone; an action that changed nothing is not
// recorded.

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace scrv {

enum class UndoKind : uint8_t { kChange, kReset, kRestorePage, kListEdit, kImport };

// Where an action happened: the page, the control (0: the page itself) and, in a list, the
// row.
struct UndoPlace {
  size_t page = 0;
  uint32_t control = 0;
  int item = -1;
  friend bool operator==(const UndoPlace&, const UndoPlace&) = default;
};

template <class State>
class UndoStack {
 public:
  struct Entry {
    UndoPlace place;
    UndoKind kind = UndoKind::kChange;
    State before, after;
  };

  // The oldest actions are forgotten beyond `limit`.
  explicit UndoStack(size_t limit = 1000) : limit_(limit ? limit : 1) {}

  template <class Same>
  bool Record(UndoPlace place, UndoKind kind, State before, State after, Same same) {
    if (same(before, after)) return false;
    undone_.clear();
    if (done_.size() == limit_) done_.erase(done_.begin());
    done_.push_back({place, kind, std::move(before), std::move(after)});
    return true;
  }

  bool CanUndo() const { return !done_.empty(); }
  bool CanRedo() const { return !undone_.empty(); }
  size_t UndoCount() const { return done_.size(); }
  size_t RedoCount() const { return undone_.size(); }

  // The action to take back (put its `before` in place), now on the redo side; null when
  // there is none. Valid until the stack changes again.
  const Entry* Undo() { return Move(done_, undone_); }
  // The action to do again (put its `after` in place).
  const Entry* Redo() { return Move(undone_, done_); }

  void Clear() {
    done_.clear();
    undone_.clear();
  }

 private:
  static const Entry* Move(std::vector<Entry>& from, std::vector<Entry>& to) {
    if (from.empty()) return nullptr;
    to.push_back(std::move(from.back()));
    from.pop_back();
    return &to.back();
  }

  size_t limit_;
  std::vector<Entry> done_, undone_;
};

}  // namespace scrv
