// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The few texts every figure writes: coordinates, lengths, angles and the
// notes shown when there is nothing to draw.

#include <string>
#include <vector>

#include "context/env.h"

namespace tc {

// "(1; 2.5)" or "(1; 2.5; -3)", numbers in the general form.
std::string PointText(const Numbers& nums, const std::vector<Ext>& coordinates);
// A length beside a segment, 2 decimals: short enough to fit along a side.
std::string LengthText(const Numbers& nums, Ext length);
// An angle in degrees, 2 decimals and the degree sign.
std::string DegreesText(const Numbers& nums, Ext degrees);

// "Compute to see the figure." in the current language.
std::string FigureNotComputed(const Env& env);
// The note of a figure whose coordinates are too large to draw.
std::string FigureTooLarge(const Env& env);

} // namespace tc
