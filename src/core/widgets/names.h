// SPDX-License-Identifier: GPL-3.0-or-later
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
inline constexpr char NEdit[] = "NEdit"; // Edit
inline constexpr char NCopyLatex[] = "NCopyLatex"; //   Copy the solution as LaTeX
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
inline constexpr char NView[] = "NView";   // the View menu
inline constexpr char NExact[] = "NExact"; // exact fractions, checkable
inline constexpr char NCheck[] = "NCheck"; // the check step, checkable
inline constexpr char NFigure[] = "NFigure"; // opens the figure window

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
inline constexpr char Vec_Figure[] = "Vec_Figure"; // opens the figure window
inline constexpr char Vec_M[] = "Vec_M";         // the written solution
inline constexpr char CBut1[] = "CBut1";         // compute
inline constexpr char CV_Save[] = "CV_Save";     // save the written solution
inline constexpr char CClose[] = "CClose";       // exit

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
inline constexpr char CGM_Task[] = "CGM_Task";
inline constexpr char CMat_A[] = "CMat_A";
inline constexpr char CMat_B[] = "CMat_B";
inline constexpr char CMat_Buttons[] = "CMat_Buttons";
inline constexpr char CMat_C[] = "CMat_C";
inline constexpr char CMat_Frame[] = "CMat_Frame";
inline constexpr char CMat_Memo[] = "CMat_Memo";
inline constexpr char CMat_Roz[] = "CMat_Roz";
inline constexpr char M_But[] = "M_But";
inline constexpr char M_Save[] = "M_Save";
inline constexpr char Matrix[] = "Matrix";

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
inline constexpr char CCentre[] = "CCentre";
inline constexpr char CClose3[] = "CClose3";
inline constexpr char CLength[] = "CLength";
inline constexpr char CLine[] = "CLine";
inline constexpr char CRecord3[] = "CRecord3";
inline constexpr char CTV[] = "CTV";
inline constexpr char CTri[] = "CTri";
inline constexpr char Tr_LA[] = "Tr_LA";
inline constexpr char Tr_LAB[] = "Tr_LAB";
inline constexpr char Tr_LAC[] = "Tr_LAC";
inline constexpr char Tr_LACEnd[] = "Tr_LACEnd";
inline constexpr char Tr_LB[] = "Tr_LB";
inline constexpr char Tr_LBC[] = "Tr_LBC";
inline constexpr char Tr_LBis[] = "Tr_LBis";
inline constexpr char Tr_LC[] = "Tr_LC";
inline constexpr char Tr_LEnd[] = "Tr_LEnd";
inline constexpr char Tr_LH[] = "Tr_LH";
inline constexpr char Tr_LI[] = "Tr_LI";
inline constexpr char Tr_LIEnd[] = "Tr_LIEnd";
inline constexpr char Tr_LM[] = "Tr_LM";
inline constexpr char Tr_LlenAB[] = "Tr_LlenAB";
inline constexpr char Tr_LlenAC[] = "Tr_LlenAC";
inline constexpr char Tr_LlenBC[] = "Tr_LlenBC";

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
inline constexpr char CKut[] = "CKut";
inline constexpr char CP_Close[] = "CP_Close";
inline constexpr char CP_Save[] = "CP_Save";
inline constexpr char CPl[] = "CPl";
inline constexpr char CStor[] = "CStor";
inline constexpr char CT_Alpha[] = "CT_Alpha";
inline constexpr char CVersh[] = "CVersh";
inline constexpr char CVol[] = "CVol";
inline constexpr char Label5[] = "Label5";
inline constexpr char TVecH[] = "TVecH";

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
inline constexpr char CRez_SLA[] = "CRez_SLA";
inline constexpr char CSLA_Det[] = "CSLA_Det";
inline constexpr char CSLA_N[] = "CSLA_N";
inline constexpr char CSLA_Sys[] = "CSLA_Sys";
inline constexpr char CS_Close[] = "CS_Close";
inline constexpr char CS_Save[] = "CS_Save";
inline constexpr char DDl[] = "DDl";
inline constexpr char Dx1l[] = "Dx1l";
inline constexpr char Dx2l[] = "Dx2l";
inline constexpr char Dx3l[] = "Dx3l";
inline constexpr char Dx4l[] = "Dx4l";
inline constexpr char TabSheet5[] = "TabSheet5";
inline constexpr char x1l[] = "x1l";
inline constexpr char x2l[] = "x2l";
inline constexpr char x3l[] = "x3l";
inline constexpr char x4l[] = "x4l";

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
inline constexpr char Gs_ABox[] = "Gs_ABox";
inline constexpr char Gs_BBox[] = "Gs_BBox";
inline constexpr char Gs_BColsL[] = "Gs_BColsL";
inline constexpr char Gs_ColsL[] = "Gs_ColsL";
inline constexpr char Gs_RBox[] = "Gs_RBox";
inline constexpr char Gs_RowsL[] = "Gs_RowsL";
inline constexpr char Gs_SizeBox[] = "Gs_SizeBox";
inline constexpr char Gs_TaskBox[] = "Gs_TaskBox";
inline constexpr char EQG[] = "EQG";
inline constexpr char Eq[] = "Eq";
inline constexpr char Eq_M[] = "Eq_M";
inline constexpr char Eq_Save[] = "Eq_Save";
inline constexpr char Eq_close[] = "Eq_close";
inline constexpr char Eq_i[] = "Eq_i";
inline constexpr char Eq_rez[] = "Eq_rez";
inline constexpr char eq_g[] = "eq_g";

// Gauss tab: any linear system, rank, inverse, matrix equations and the
// determinant by elimination.
inline constexpr char Gs[] = "Gs";             // the tab sheet
inline constexpr char Gs_Task[] = "Gs_Task";   // the task selector
inline constexpr char Gs_Rows[] = "Gs_Rows";   // rows of A, position + 1
inline constexpr char Gs_Cols[] = "Gs_Cols";   // columns of A, position + 1
inline constexpr char Gs_BCols[] = "Gs_BCols"; // columns (A*X=B) or rows (X*A=B) of B
inline constexpr char Gs_A[] = "Gs_A";
inline constexpr char Gs_B[] = "Gs_B";
inline constexpr char Gs_R[] = "Gs_R";         // the result grid
inline constexpr char Gs_Run[] = "Gs_Run";
inline constexpr char Gs_M[] = "Gs_M";         // the written solution
inline constexpr char Gs_Save[] = "Gs_Save";
inline constexpr char Gs_Close[] = "Gs_Close";
inline constexpr char NGs[] = "NGs";           // Tasks > Higher mathematics > Gauss method
inline constexpr char NGs0[] = "NGs0";         //   one item per task, in the selector's order
inline constexpr char NGs1[] = "NGs1";
inline constexpr char NGs2[] = "NGs2";
inline constexpr char NGs3[] = "NGs3";
inline constexpr char NGs4[] = "NGs4";
inline constexpr char NGs5[] = "NGs5";
inline constexpr char NGs6[] = "NGs6";
inline constexpr char NGs7[] = "NGs7";
inline constexpr char NGsSlae[] = "NGsSlae";   //   the system of the linear-system tab, solved here
// Lines-and-planes tab.
inline constexpr char Sp[] = "Sp";             // the page
inline constexpr char Sp_Task[] = "Sp_Task";   // the task
inline constexpr char Sp_In[] = "Sp_In";       // the data, one object a row
inline constexpr char Sp_Run[] = "Sp_Run";
inline constexpr char Sp_M[] = "Sp_M";
inline constexpr char Sp_Save[] = "Sp_Save";
inline constexpr char Sp_Close[] = "Sp_Close";
inline constexpr char Sp_Figure[] = "Sp_Figure";
inline constexpr char Sp_R1[] = "Sp_R1", Sp_R2[] = "Sp_R2", Sp_R3[] = "Sp_R3"; // the results
inline constexpr char Sp_L1[] = "Sp_L1", Sp_L2[] = "Sp_L2", Sp_L3[] = "Sp_L3"; // their captions
inline constexpr char NSp[] = "NSp"; //     Lines and planes (brings the tab forward)
inline constexpr char NSp0[] = "NSp0", NSp1[] = "NSp1", NSp2[] = "NSp2", NSp3[] = "NSp3", NSp4[] = "NSp4";
inline constexpr char NSp5[] = "NSp5", NSp6[] = "NSp6", NSp7[] = "NSp7", NSp8[] = "NSp8", NSp9[] = "NSp9";
inline constexpr char NSp10[] = "NSp10", NSp11[] = "NSp11", NSp12[] = "NSp12", NSp13[] = "NSp13";
inline constexpr char NSp14[] = "NSp14";
inline constexpr char Sp_Data[] = "Sp_Data";
inline constexpr char Sp_Res[] = "Sp_Res";
inline constexpr char Sp_TaskL[] = "Sp_TaskL";

// clang-format on

} // namespace tc::names
