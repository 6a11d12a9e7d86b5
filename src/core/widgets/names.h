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
inline constexpr char Vector[] = "Vector";       // the page
inline constexpr char CVec_Task[] = "CVec_Task"; // group of the task selector
inline constexpr char TVec[] = "TVec";           // task selector
inline constexpr char CRoz_N[] = "CRoz_N";       // group of the size selector
inline constexpr char Vec_N[] = "Vec_N";         // its label "N"
inline constexpr char V_N[] = "V_N";             // number of components, 2..5
inline constexpr char CVec_data[] = "CVec_data"; // group of the input grid
inline constexpr char Vec_Table[] = "Vec_Table"; // A in row 1, B in row 2
inline constexpr char CVec_Rez[] = "CVec_Rez";   // group of the results
inline constexpr char V_Rez[] = "V_Rez";         // the result vector in row 1
inline constexpr char Vec_lab[] = "Vec_lab";     // label of the scalar result
inline constexpr char Vec_R[] = "Vec_R";         // the scalar result
inline constexpr char phi_l[] = "phi_l";         // label of the angle
inline constexpr char phi1[] = "phi1";           // the angle in degrees
inline constexpr char Vec_M[] = "Vec_M";         // the written solution
inline constexpr char CBut1[] = "CBut1";         // compute
inline constexpr char CV_Save[] = "CV_Save";     // save the written solution
inline constexpr char CClose[] = "CClose";       // exit

// Matrix tab.

// Triangle tab.

// Tetrahedron tab.

// Linear-system tab.

// Equation tab.

// clang-format on

} // namespace tc::names
