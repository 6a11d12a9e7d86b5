#pragma once
// The glossary of the form: every widget name the window logic uses, once.
// These names are the contract between the model, the Qt window (object names)
// and the scenario runner, so they keep the form's original spelling. Code
// refers to a widget through these constants and holds a typed reference after
// the first look-up; WidgetTree::get throws for a name the tree does not have.

namespace tc::names {

// clang-format off

// Main window: menu, tabs and the About window.
inline constexpr char NFigure[] = "NFigure"; // opens the figure window

// Vector tab.

// Matrix tab.

// Triangle tab.
inline constexpr char T4[] = "T4";
inline constexpr char TM[] = "TM";
inline constexpr char CTr_But[] = "CTr_But";
inline constexpr char ax[] = "ax", ay[] = "ay", bx[] = "bx", by[] = "by", cx[] = "cx", cy[] = "cy";
inline constexpr char abx[] = "abx", aby[] = "aby", bcx[] = "bcx", bcy[] = "bcy", acx[] = "acx", acy[] = "acy";
inline constexpr char AB[] = "AB", BC[] = "BC", AC[] = "AC";
inline constexpr char AB_l[] = "AB_l", BC_l[] = "BC_l", AC_l[] = "AC_l";
inline constexpr char REZ5[] = "REZ5";
inline constexpr char aMed[] = "aMed", Med[] = "Med";
inline constexpr char Ha1[] = "Ha1", H1[] = "H1";
inline constexpr char aBis[] = "aBis", Bis[] = "Bis";
inline constexpr char Ix[] = "Ix", Iy[] = "Iy";
inline constexpr char Tr_Figure[] = "Tr_Figure";

// Tetrahedron tab.
inline constexpr char TabSheet4[] = "TabSheet4";
inline constexpr char Tet_M[] = "Tet_M";
inline constexpr char CP_But[] = "CP_But";
inline constexpr char Piram[] = "Piram";
inline constexpr char PLine[] = "PLine";
inline constexpr char ABC[] = "ABC";
inline constexpr char Phi[] = "Phi";
inline constexpr char THam[] = "THam";
inline constexpr char TVec_H[] = "TVec_H";
inline constexpr char Vol[] = "Vol";
inline constexpr char Tet_Figure[] = "Tet_Figure";

// Linear-system tab.

// Equation tab.

// clang-format on

} // namespace tc::names
