#pragma once
// The glossary of the form: every widget name the window logic uses, once.
// These names are the contract between the model, the Qt window (object names)
// and the scenario runner, so they keep the form's original spelling. Code
// refers to a widget through these constants and holds a typed reference after
// the first look-up; WidgetTree::get throws for a name the tree does not have.

namespace tc::names {

// clang-format off

// Main window: menu, tabs and the About window.
inline constexpr char Mat[] = "Mat"; // the main window's form
// The menu bar and its items, in menu order.
inline constexpr char N1[] = "N1";       // Tasks
inline constexpr char N9[] = "N9";       //   Higher mathematics
inline constexpr char N10[] = "N10";     //     Vectors (brings the vector tab forward)
inline constexpr char N12[] = "N12";     //       addition
inline constexpr char N13[] = "N13";     //       subtraction
inline constexpr char N15[] = "N15";     //       scalar product
inline constexpr char N14[] = "N14";     //       length
inline constexpr char N16[] = "N16";     //       norm
inline constexpr char N17[] = "N17";     //       angle
inline constexpr char N30[] = "N30";     //       projection
inline constexpr char N11[] = "N11";     //     Matrices (brings the matrix tab forward)
inline constexpr char N18[] = "N18";     //       addition
inline constexpr char N19[] = "N19";     //       subtraction
inline constexpr char N31[] = "N31";     //       product
inline constexpr char N20[] = "N20";     //       determinant
inline constexpr char N21[] = "N21";     //       inverse
inline constexpr char N28[] = "N28";     //     Triangle
inline constexpr char N29[] = "N29";     //     Tetrahedron
inline constexpr char N32[] = "N32";     //     Linear systems
inline constexpr char N5[] = "N5";       //     Quadratic equation
inline constexpr char NCopy[] = "NCopy"; //   Copy the solution (of the tab in front)
inline constexpr char NPrint[] = "NPrint"; //   Print the solution (of the tab in front)
inline constexpr char N3[] = "N3";       //   separator
inline constexpr char N26[] = "N26";     //   Exit
inline constexpr char N4[] = "N4";       // Save (the memo of the tab in front)
inline constexpr char N22[] = "N22";     // Language
inline constexpr char N23[] = "N23";     //   Ukrainian
inline constexpr char N24[] = "N24";     //   Russian
inline constexpr char N25[] = "N25";     //   English
inline constexpr char Info1[] = "Info1"; // Help
inline constexpr char N2[] = "N2";       //   About
// The About window.
inline constexpr char Form1[] = "Form1";         // its form
inline constexpr char TabSheet1[] = "TabSheet1"; // its one page
inline constexpr char InfoM[] = "InfoM";         // the About text
inline constexpr char Button1[] = "Button1";     // closes it

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
