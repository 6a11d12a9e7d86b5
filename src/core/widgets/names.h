#pragma once
// The glossary of the form: every widget name the window logic uses, once.
// These names are the contract between the model, the Qt window (object names)
// and the scenario runner, so they keep the form's original spelling. Code
// refers to a widget through these constants and holds a typed reference after
// the first look-up; WidgetTree::get throws for a name the tree does not have.

namespace tc::names {

// clang-format off

// Main window: menu, tabs and the About window.
inline constexpr char NView[] = "NView";   // the View menu
inline constexpr char NExact[] = "NExact"; // exact fractions, checkable
inline constexpr char NCheck[] = "NCheck"; // the check step, checkable

// Vector tab.

// Matrix tab.
inline constexpr char TMat_task[] = "TMat_task"; // the task selector
inline constexpr char M_N[] = "M_N";             // the size of A
inline constexpr char M_N1[] = "M_N1";           // the columns of B; the order
inline constexpr char M_A[] = "M_A";
inline constexpr char M_B[] = "M_B";
inline constexpr char M_D[] = "M_D";
inline constexpr char Mat1[] = "Mat1";           // A
inline constexpr char Mat2[] = "Mat2";           // B; the cofactors of the inverse
inline constexpr char Mat_R[] = "Mat_R";         // the result C
inline constexpr char DET_A[] = "DET_A";
inline constexpr char M_M[] = "M_M";             // hidden: the rows of A
inline constexpr char N_N[] = "N_N";             // hidden: the columns of A
inline constexpr char I0[] = "I0";               // hidden: the task number
inline constexpr char MAT_M[] = "MAT_M";
inline constexpr char Mat_But[] = "Mat_But";

// Triangle tab.

// Tetrahedron tab.

// Linear-system tab.
inline constexpr char Sl1[] = "Sl1";   // the number of equations
inline constexpr char SLAE[] = "SLAE"; // the coefficients and right-hand sides
inline constexpr char SLA[] = "SLA";
inline constexpr char CRun[] = "CRun";
inline constexpr char DD[] = "DD";
inline constexpr char DDx1[] = "DDx1";
inline constexpr char DDx2[] = "DDx2";
inline constexpr char DDx3[] = "DDx3";
inline constexpr char DDx4[] = "DDx4";
inline constexpr char x1[] = "x1";
inline constexpr char x2[] = "x2";
inline constexpr char x3[] = "x3";
inline constexpr char x4[] = "x4";

// Equation tab.

// clang-format on

} // namespace tc::names
