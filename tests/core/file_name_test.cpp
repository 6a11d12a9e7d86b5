// SPDX-License-Identifier: GPL-3.0-or-later
// The names offered for a solution's file hold no character a file system refuses.

#include <gtest/gtest.h>

#include "app/file_name.h"

namespace tc {
namespace {

TEST(SafeFileName, drops_the_formula_and_keeps_the_tasks_name) {
    const struct {
        const char* title;
        const char* name;
    } rows[] = {
        {"Біквадратне A*x^4+B*x^2+C=0", "Біквадратне"},
        {"Квадратне A*x^2+B*x+C=0", "Квадратне"},
        {"Кут між векторами", "Кут між векторами"},
        {"Triangle: sides", "Triangle"},
        {"Inverse matrix A^(-1)", "Inverse matrix"},
        {"A*B", "solution"},
        {"  . ", "solution"},
        {"", "solution"},
        {"Проекція одного вектора на інший", "Проекція одного вектора на інший"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(SafeFileName(row.title), row.name) << row.title;
}

TEST(TaskFileName, keeps_the_tab_and_the_task_without_their_formulas) {
    const struct {
        const char* title;
        const char* name;
    } rows[] = {
        {"Вектори: Додавання векторів", "Вектори - Додавання векторів"},
        {"Vectors: Addition A+B", "Vectors - Addition"},
        {"Трикутник", "Трикутник"},
        {"Tetrahedron: A*B: volume", "Tetrahedron - volume"},
        {"A*B: C=0", "solution"},
        {"", "solution"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(TaskFileName(row.title), row.name) << row.title;
}

} // namespace
} // namespace tc
