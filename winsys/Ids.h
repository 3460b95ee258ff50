// Typed names of templates, controls and menu commands. The headers generated from res/
// (build/generated/ui/*.h, see scripts/ui_names.py) define one constant per template,
// control and menu entry; bindings use only those, so a control its template lacks, a
// control of another window or a bare number does not compile.
#pragma once

#include <cstddef>
#include <utility>

namespace winsys {

struct TemplateId {
  constexpr explicit TemplateId(int number) : value(number) {}
  int value;
};

// A control of the window that `Window` (a tag type of a generated header) stands for.
template <typename Window>
struct ControlId {
  constexpr explicit ControlId(int number) : value(number) {}
  // The number, for helpers that serve controls of any window (the banner picture).
  int value;
};

// A menu command. Typed going in, a plain number coming out: menus, their handlers and the
// console speak in numbers.
struct CommandId {
  constexpr explicit CommandId(int number) : value(number) {}
  constexpr operator int() const { return value; }  // NOLINT(google-explicit-constructor)
  int value;
};

// The controls that show the fields of a core's result, indexed by the core's field enum
// (0, 1, 2, ...): one row per field, in the enum's order; a binding checks that with
// static_assert(table.InFieldOrder()).
template <typename Field, typename Window, std::size_t N>
struct FieldControls {
  std::pair<Field, ControlId<Window>> rows[N];

  constexpr ControlId<Window> operator[](Field field) const {
    return rows[static_cast<std::size_t>(field)].second;
  }
  constexpr bool InFieldOrder() const {
    for (std::size_t i = 0; i < N; ++i) {
      if (static_cast<std::size_t>(rows[i].first) != i) return false;
    }
    return true;
  }
};

}  // namespace winsys
