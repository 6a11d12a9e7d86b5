// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every line of a language file by its meaning. The names are the keys the
// shipped files give their lines (the text before the first "="), so a grep for
// a key finds both the file line and the code that shows it. The position of a
// name in the list is the line's zero-based index: lines are still found by
// position alone, and the key test checks that names and files agree.
//
// Lines 0-213 are the original table. Texts beyond it (see kFirstExtendedLine)
// are optional: a file that lacks one gives the text the program used before
// the line existed. New lines are appended at the end of the list, in the same
// order as in the files.

#include <string_view>

namespace tc {

// clang-format off
#define TOVRIN_LANGUAGE_LINES(X) \
    X(menu_tasks) \
    X(menu_save) \
    X(menu_help) \
    X(menu_higher_math) \
    X(menu_vectors) \
    X(menu_matrices) \
    X(menu_vec_add) \
    X(menu_vec_sub) \
    X(menu_vec_length) \
    X(menu_vec_scalar) \
    X(menu_vec_norm) \
    X(menu_vec_angle) \
    X(menu_mat_add) \
    X(menu_mat_sub) \
    X(menu_mat_det) \
    X(menu_mat_inverse) \
    X(menu_triangle) \
    X(menu_tetrahedron) \
    X(menu_vec_projection) \
    X(menu_mat_mul) \
    X(menu_slae) \
    X(vec_task_group) \
    X(vec_task_text) \
    X(vec_task_add) \
    X(vec_task_sub) \
    X(vec_task_scalar) \
    X(vec_task_length) \
    X(vec_task_norm) \
    X(vec_task_angle) \
    X(vec_task_projection) \
    X(vec_size_group) \
    X(data_group) \
    X(result_group) \
    X(compute_button) \
    X(save_button) \
    X(exit_button) \
    X(mat_task_add) \
    X(mat_task_sub) \
    X(mat_task_mul) \
    X(mat_task_det) \
    X(mat_task_inverse) \
    X(mat_size_group) \
    X(tri_vertices_group) \
    X(tri_centroid_group) \
    X(tri_lengths_group) \
    X(tri_lines_group) \
    X(tet_vertices_group) \
    X(tet_edges_group) \
    X(tet_planes_group) \
    X(tet_edge_angles_group) \
    X(tet_face_angles_group) \
    X(tet_heights_group) \
    X(tet_volume_group) \
    X(slae_count_group) \
    X(slae_coef_group) \
    X(slae_det_group) \
    X(slae_unknowns_group) \
    X(unused57) \
    X(eq_kind_group) \
    X(eq_quadratic) \
    X(eq_cubic) \
    X(eq_biquadratic) \
    X(unused62) \
    X(unused63) \
    X(unused64) \
    X(unused65) \
    X(unused66) \
    X(unused67) \
    X(unused68) \
    X(unused69) \
    X(unused70) \
    X(unused71) \
    X(unused72) \
    X(unused73) \
    X(unused74) \
    X(unused75) \
    X(unused76) \
    X(unused77) \
    X(unused78) \
    X(unused79) \
    X(unused80) \
    X(unused81) \
    X(unused82) \
    X(unused83) \
    X(unused84) \
    X(unused85) \
    X(unused86) \
    X(unused87) \
    X(unused88) \
    X(unused89) \
    X(unused90) \
    X(unused91) \
    X(unused92) \
    X(unused93) \
    X(unused94) \
    X(unused95) \
    X(unused96) \
    X(unused97) \
    X(unused98) \
    X(msg01_vec_title) \
    X(msg02_given) \
    X(msg03_angle_formula) \
    X(msg04_where_scalar) \
    X(msg05_solution) \
    X(msg06_vec_lengths) \
    X(msg07_cos_and_angle) \
    X(msg08_projection_formula) \
    X(msg09_length_of_b) \
    X(msg10_projection) \
    X(msg11_mat_title) \
    X(msg12_inv_determinant) \
    X(msg13_inv_cofactors) \
    X(msg14_inv_transpose) \
    X(msg15_inv_formula) \
    X(msg16_answer) \
    X(msg17_tri_title) \
    X(msg18_tri_vertices) \
    X(msg19_tri_sides) \
    X(msg20_line_two_points) \
    X(msg21_side_ab) \
    X(msg22_side_equation) \
    X(msg23_tri_angles) \
    X(msg24_cos_sides) \
    X(msg25_angle_degrees) \
    X(msg26_tri_median) \
    X(msg27_midpoint) \
    X(msg28_median_equation) \
    X(msg29_that_is) \
    X(msg30_tri_altitude) \
    X(msg31_slope_bc) \
    X(msg32_if) \
    X(msg33_altitude_is) \
    X(msg34_altitude_through) \
    X(msg35_altitude_slope) \
    X(msg36_altitude_equation) \
    X(msg37_tri_bisector) \
    X(msg38_bisector_point) \
    X(msg39_bisector_ratio) \
    X(msg40_bisector_k) \
    X(msg41_bisector_length) \
    X(msg42_bisector_equation) \
    X(msg43_centroid) \
    X(msg44_tet_title) \
    X(msg45_tet_vertices) \
    X(msg46_tet_edges) \
    X(msg47_edge_vector) \
    X(msg48_edge_line) \
    X(msg49_tet_planes) \
    X(msg50_plane_three_points) \
    X(msg51_tet_areas) \
    X(msg52_tet_edge_angles) \
    X(msg53_cos_edges) \
    X(msg54_angle_in_degrees) \
    X(msg55_tet_face_angles) \
    X(msg56_sin_edge_face) \
    X(msg57_where) \
    X(msg58_is_normal) \
    X(msg59_tet_altitudes) \
    X(msg60_formula) \
    X(msg61_normal) \
    X(msg62_tet_volume) \
    X(msg63_slae_title) \
    X(msg64_equation_count) \
    X(msg65_system) \
    X(msg66_determinants) \
    X(msg67_a_is_zero) \
    X(msg68_quadratic_equation) \
    X(msg69_discriminant) \
    X(msg70_d_positive) \
    X(msg71_two_real_roots) \
    X(msg72_d_zero) \
    X(msg73_equal_roots) \
    X(msg74_d_negative) \
    X(msg75_complex_roots) \
    X(msg76_not_solved_yet) \
    X(msg77_cubic_equation) \
    X(msg78_biquadratic_equation) \
    X(msg79_no_real_roots) \
    X(msg80_replace_file) \
    X(unused179) \
    X(unused180) \
    X(unused181) \
    X(unused182) \
    X(unused183) \
    X(unused184) \
    X(unused185) \
    X(unused186) \
    X(unused187) \
    X(unused188) \
    X(unused189) \
    X(unused190) \
    X(unused191) \
    X(unused192) \
    X(unused193) \
    X(unused194) \
    X(unused195) \
    X(unused196) \
    X(unused197) \
    X(unused198) \
    X(unused199) \
    X(about_purpose) \
    X(about_tasks) \
    X(about_linear) \
    X(about_geometry) \
    X(about_cramer) \
    X(about_quadratic) \
    X(about_steps) \
    X(about_author) \
    X(about_licence) \
    X(about_save) \
    X(about_check) \
    X(about_precision) \
    X(about_warranty) \
    X(about_version) \
    X(eq_cubic_reduction) \
    X(eq_cubic_discriminant) \
    X(eq_cubic_q_positive) \
    X(eq_cubic_one_real_root) \
    X(eq_cubic_q_zero) \
    X(eq_cubic_double_root) \
    X(eq_cubic_triple_root) \
    X(eq_cubic_q_negative) \
    X(eq_cubic_three_real_roots) \
    X(eq_biquadratic_substitution) \
    X(eq_biquadratic_back) \
    X(window_save_language_file) \
    X(view_menu) \
    X(view_exact) \
    X(view_check) \
    X(check_title) \
    X(check_inverse) \
    X(check_equations) \
    X(check_residual) \
    X(fig_button) \
    X(fig_menu) \
    X(fig_not_computed) \
    X(fig_too_large) \
    X(fig_no_figure) \
    X(fig_highlight) \
    X(fig_highlight_none) \
    X(fig_reset_view) \
    X(fig_save_png) \
    X(fig_save_svg) \
    X(fig_save_failed) \
    X(menu_language) \
    X(menu_exit) \
    X(menu_about) \
    X(about_title) \
    X(about_close) \
    X(fail_not_a_number) \
    X(fail_decimal_separator) \
    X(fail_invalid_operation) \
    X(fail_division_by_zero) \
    X(fail_overflow) \
    X(fail_cannot_open) \
    X(fail_language_line) \
    X(fail_cannot_save) \
    X(place_vector_component) \
    X(export_copy_menu) \
    X(export_print_menu) \
    X(export_date) \
    X(export_figure) \
    X(export_solution) \
    X(export_filter_text) \
    X(export_filter_html) \
    X(export_filter_pdf) \
    X(eq_check_vieta) \
    X(fig_vec_no_drawing) \
    X(place_matrix_entry) \
    X(place_system_coefficient) \
    X(place_system_constant) \
    X(place_vertex_coordinate) \
    X(place_equation_coefficient) \
    X(slae_no_unique_solution) \
    X(matrix_no_inverse) \
    X(tri_or) \
    X(tri_angles) \
    X(tri_altitude_point) \
    X(tet_face_abc) \
    X(mat_size_times) \
    X(tri_collinear) \
    X(tet_coplanar) \
    X(tab_vector) \
    X(tab_matrix) \
    X(tab_triangle) \
    X(tab_tetrahedron) \
    X(tab_slae) \
    X(tab_equation) \
    X(tri_gamma) \
    X(tet_length_heading) \
    X(tet_line_heading) \
    X(menu_ukrainian) \
    X(menu_russian) \
    X(menu_english) \
    X(app_title) \
    X(fault_title) \
    X(fault_intro) \
    X(fault_advice) \
    X(fail_exact_too_long) \
    X(eq_cubic_a_is_zero) \
    X(eq_biquadratic_a_is_zero) \
    X(eq_t_two_real_roots) \
    X(eq_t_equal_roots) \
    X(eq_t_complex_roots) \
    X(eq_x_four_real) \
    X(eq_x_two_real) \
    X(vec_projection_value) \
    X(tri_side_equation) \
    X(tri_altitude_if_horizontal) \
    X(tri_bisector_label) \
    X(tri_angle_values) \
    X(fail_zero_denominator) \
    X(about_developers) \
    X(about_licence_name) \
    X(edit_menu) \
    X(export_copy_latex) \
    X(export_filter_latex) \
    X(mat_cofactor_matrix) \
    X(gs_tab_caption) \
    X(gs_menu) \
    X(gs_task_gauss) \
    X(gs_task_jordan) \
    X(gs_task_rank) \
    X(gs_task_inverse) \
    X(gs_task_right) \
    X(gs_task_left) \
    X(gs_task_det) \
    X(gs_task_group) \
    X(gs_size_group) \
    X(gs_rows) \
    X(gs_cols) \
    X(gs_b_cols) \
    X(gs_b_rows) \
    X(gs_matrix_a) \
    X(gs_matrix_b) \
    X(gs_result_group) \
    X(gs_run) \
    X(gs_save) \
    X(gs_close) \
    X(gs_from_slae) \
    X(gs_given) \
    X(gs_matrix) \
    X(gs_with_identity) \
    X(gs_augmented) \
    X(gs_transposed) \
    X(gs_forward) \
    X(gs_backward) \
    X(gs_triangular) \
    X(gs_back_substitution) \
    X(gs_step) \
    X(gs_no_steps) \
    X(gs_ranks) \
    X(gs_unique_system) \
    X(gs_infinite_system) \
    X(gs_none_system) \
    X(gs_unique_equation) \
    X(gs_infinite_equation) \
    X(gs_none_equation) \
    X(gs_contradiction) \
    X(gs_basic_free) \
    X(gs_express) \
    X(gs_solution) \
    X(gs_general) \
    X(gs_particular) \
    X(gs_fundamental) \
    X(gs_homogeneous_basis) \
    X(gs_constants) \
    X(gs_check) \
    X(gs_check_equation) \
    X(gs_rank_result) \
    X(gs_singular) \
    X(gs_inverse) \
    X(gs_approx) \
    X(gs_det_diagonal) \
    X(gs_det_swaps) \
    X(gs_det_factors) \
    X(gs_det_value) \
    /* lines from 214 on: append new texts here and to every shipped file */

enum class Line : int {
#define TOVRIN_LINE_ENUM(name) name,
    TOVRIN_LANGUAGE_LINES(TOVRIN_LINE_ENUM)
#undef TOVRIN_LINE_ENUM
    Count_
};
// clang-format on

// The first line that a language file may lack without failing.
inline constexpr int kFirstExtendedLine = 214;
inline constexpr int kLineCount = static_cast<int>(Line::Count_);

constexpr int LineIndex(Line line) {
    return static_cast<int>(line);
}

// The key of `line`, as the shipped files spell it.
std::string_view LineKey(Line line);

// Message-table entry k (1..80) is line k + 98.
constexpr int MessageEntry(Line line) {
    return LineIndex(line) - 98;
}

} // namespace tc
