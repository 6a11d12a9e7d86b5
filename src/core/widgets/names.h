#pragma once
// The glossary of the form: every widget name the window logic uses, once.
// These names are the contract between the model, the Qt window (object names)
// and the scenario runner, so they keep the form's original spelling. Code
// refers to a widget through these constants and holds a typed reference after
// the first look-up; WidgetTree::get throws for a name the tree does not have.

namespace tc::names {

// clang-format off

// Main window: menu, tabs and the About window.

// Vector tab.

// Matrix tab.

// Triangle tab.

// Tetrahedron tab.

// Linear-system tab.

// Equation tab.
inline constexpr char eq1[] = "eq1"; // quadratic kind
inline constexpr char eq2[] = "eq2"; // cubic kind
inline constexpr char eq3[] = "eq3"; // biquadratic kind
inline constexpr char Eq_Run[] = "Eq_Run";
inline constexpr char Eq_Variant[] = "Eq_Variant";
inline constexpr char Eq_e1[] = "Eq_e1";
inline constexpr char eq_e2[] = "eq_e2";
inline constexpr char Eq_e3[] = "Eq_e3";
inline constexpr char Eq_e4[] = "Eq_e4";
inline constexpr char Eq_l1[] = "Eq_l1";
inline constexpr char Eq_l2[] = "Eq_l2";
inline constexpr char Eq_l3[] = "Eq_l3";
inline constexpr char Eq_l4[] = "Eq_l4";
inline constexpr char Eq_X1[] = "Eq_X1";
inline constexpr char Eq_X2[] = "Eq_X2";
inline constexpr char Eq_X3[] = "Eq_X3";
inline constexpr char Eq_X4[] = "Eq_X4";
inline constexpr char le1[] = "le1";
inline constexpr char le2[] = "le2";
inline constexpr char le3[] = "le3";
inline constexpr char le4[] = "le4";

// clang-format on

} // namespace tc::names
