// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The English texts of the Eq tab's cubic and biquadratic lines, shown when
// the language file has no such line.

namespace tc::eq_fallback {

inline constexpr char cubic_reduction[] =
    "The substitution x=t-B/(3*A) gives the reduced equation t^3+p*t+q=0, where";
inline constexpr char cubic_discriminant[] = "We compute the discriminant of the reduced equation:";
inline constexpr char cubic_q_positive[] = "The discriminant is positive (Q>0),";
inline constexpr char cubic_one_real_root[] =
    "so the equation has one real root and two complex conjugate roots (Cardano's formula):";
inline constexpr char cubic_q_zero[] = "The discriminant is zero (Q=0),";
inline constexpr char cubic_double_root[] =
    "p is not zero, so the equation has a simple and a double real root:";
inline constexpr char cubic_triple_root[] = "p=q=0, so the equation has a triple real root:";
inline constexpr char cubic_q_negative[] = "The discriminant is negative (Q<0),";
inline constexpr char cubic_three_real_roots[] =
    "so the equation has three distinct real roots (trigonometric form):";
inline constexpr char biquadratic_substitution[] = "The substitution t=x^2 gives a quadratic equation in t:";
inline constexpr char biquadratic_back[] = "Each root t gives two roots x=+-sqrt(t):";

} // namespace tc::eq_fallback
