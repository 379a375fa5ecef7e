// The mutable state of one running program: one object per room, made on its
// first use and destroyed with the program, newest first (so a room's state
// outlives every state made after it; a state whose objects need another
// room's state until they are gone asks for that state in its constructor).
// The program entry, or a test, owns a ProgramState and binds it while the
// program's code runs; a fresh ProgramState is a fresh program.
#pragma once
#include <cstddef>
#include <vector>

namespace base {

class ProgramState {
 public:
  ProgramState() = default;
  ~ProgramState();
  ProgramState(const ProgramState&) = delete;
  ProgramState& operator=(const ProgramState&) = delete;

  template <class T>
  T& Get() {
    const std::size_t slot = SlotOf<T>();
    if (slot >= slots_.size()) slots_.resize(slot + 1, nullptr);
    if (!slots_[slot]) {
      if (closing_) StateGoneWhileClosing();
      // T's constructor may make other states first; the slot is filled after.
      auto* made = new Holder<T>();
      slots_[slot] = made;
      order_.push_back(slot);
    }
    return static_cast<Holder<T>*>(slots_[slot])->value;
  }

 private:
  struct Slot {
    virtual ~Slot() = default;
  };
  template <class T>
  struct Holder final : Slot {
    T value;
  };
  [[noreturn]] static void StateGoneWhileClosing();
  // Numbers the state types (not states): each type has its slot in every program.
  static std::size_t NextSlot();
  template <class T>
  static std::size_t SlotOf() {
    static const std::size_t slot = NextSlot();
    return slot;
  }

  std::vector<Slot*> slots_;        // by slot number; a slot is null until its state is made
  std::vector<std::size_t> order_;  // slot numbers in the order the states were made
  bool closing_ = false;
};

// The program whose code runs now. Aborts when none is bound: a program entry
// or test forgot to bind its state.
ProgramState& CurrentProgram();
bool HasProgram();

class ScopedProgram {
 public:
  explicit ScopedProgram(ProgramState& state);
  ~ScopedProgram();
  ScopedProgram(const ScopedProgram&) = delete;
  ScopedProgram& operator=(const ScopedProgram&) = delete;

 private:
  ProgramState* previous_;
};

}  // namespace base
