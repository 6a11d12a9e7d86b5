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

// clang-format on

} // namespace tc::names
