#pragma once
// Undo and redo of a sheet's setting changes. Each entry is one user action — a control's
// change, a reset to default, a page restored, a list edited, a settings file imported — with
// the state it changed before and after it and the place to show when it is undone or
// redone. A new action clears what was undone; an action that changed nothing is not
// recorded.

#include <cstddef>
#include <cstdint>
#include <optional>
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

// Undo and redo over a sheet's pages: each action is recorded with the state before and after it,
// taken from and put back through `Source`, which says what a state is:
//   State Source::Capture(size_t page);  void Source::Restore(size_t page, const State&);
//   static bool Source::Same(const State&, const State&);
//   auto& Source::Target(size_t page);   what an action of Track changes
// A sheet whose pages share one model captures the whole model whatever the page.
template <class Source>
class SheetUndo {
 public:
  using State = decltype(std::declval<Source&>().Capture(size_t{}));

  explicit SheetUndo(Source source) : source_(std::move(source)) {}

  // An action in two steps, for a page that changes its model over several messages: Begin
  // before the model changes, End after it (recorded only when the page changed).
  void Begin(size_t page) { pending_.emplace(page, source_.Capture(page)); }
  bool End(UndoPlace place, UndoKind kind) {
    if (!pending_ || pending_->first != place.page) {
      pending_.reset();
      return false;
    }
    State before = std::move(pending_->second);
    pending_.reset();
    return stack_.Record(place, kind, std::move(before), source_.Capture(place.page),
                         &Source::Same);
  }

  // An action in one step.
  template <class Action>
  bool Track(UndoPlace place, UndoKind kind, Action&& action) {
    Begin(place.page);
    action(source_.Target(place.page));
    return End(place, kind);
  }

  // Takes the last action back (or does it again) and answers where it happened, for the
  // sheet to show that page and focus that control; nothing when there is none.
  std::optional<UndoPlace> Undo() { return Put(stack_.Undo(), true); }
  std::optional<UndoPlace> Redo() { return Put(stack_.Redo(), false); }

  bool CanUndo() const { return stack_.CanUndo(); }
  bool CanRedo() const { return stack_.CanRedo(); }

 protected:
  // An action whose states the caller took itself.
  bool Record(UndoPlace place, UndoKind kind, State before, State after) {
    return stack_.Record(place, kind, std::move(before), std::move(after), &Source::Same);
  }

 private:
  std::optional<UndoPlace> Put(const typename UndoStack<State>::Entry* entry, bool before) {
    if (!entry) return std::nullopt;
    source_.Restore(entry->place.page, before ? entry->before : entry->after);
    return entry->place;
  }

  Source source_;
  UndoStack<State> stack_;
  std::optional<std::pair<size_t, State>> pending_;
};

}  // namespace scrv
