// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/gauss/gauss_text.h"

#include <algorithm>

namespace tc {

std::vector<std::string> MatrixLines(const QMatrix& m, int bar) {
    std::vector<std::vector<std::string>> texts;
    for (const auto& row : m) {
        texts.emplace_back();
        for (const Rational& x : row)
            texts.back().push_back(FractionText(x));
    }
    return TableLines(texts, bar);
}

std::vector<std::string> TableLines(const std::vector<std::vector<std::string>>& texts, int bar) {
    const std::size_t cols = texts.empty() ? 0 : texts.front().size();
    std::vector<std::size_t> width(cols, 0);
    for (const auto& row : texts)
        for (std::size_t j = 0; j < cols; ++j)
            width[j] = std::max(width[j], row[j].size());
    std::vector<std::string> lines;
    for (const auto& row : texts) {
        std::string line = "(";
        for (std::size_t j = 0; j < cols; ++j) {
            line += static_cast<int>(j) == bar ? " |" : "";
            line += std::string(width[j] - row[j].size() + (j == 0 ? 1 : 2), ' ') + row[j];
        }
        lines.push_back(line + " )");
    }
    return lines;
}

std::string ColumnTuple(const QMatrix& m, int col) {
    std::string s = "(";
    for (std::size_t i = 0; i < m.size(); ++i)
        s += (i > 0 ? "; " : "") + FractionText(m[i][static_cast<std::size_t>(col)]);
    return s + ")";
}

std::string WithDecimal(const Rational& q, const Numbers& nums, bool exactOnly) {
    std::string text = FractionText(q);
    if (exactOnly || q.get_den() == 1) return text;
    const Ext v = NearestOrInfinite(q);
    if (v.value() > 1e4000L || v.value() < -1e4000L) return text;
    return text + " = " + nums.general(v, 5);
}

std::string Factor(const Rational& q) {
    const std::string text = FractionText(q);
    return q < 0 || q.get_den() != 1 ? "(" + text + ")" : text;
}

std::string Unknown(int j) {
    return "x" + std::to_string(j + 1);
}

std::string GaussTaskName(const MessageTable& messages, GaussTask task) {
    switch (task) {
    case GaussTask::Gauss:
        return messages.text(Line::gs_task_gauss, "System of linear equations by the Gauss method");
    case GaussTask::Jordan:
        return messages.text(Line::gs_task_jordan, "System of linear equations by the Gauss-Jordan method");
    case GaussTask::Rank:
        return messages.text(Line::gs_task_rank, "Rank of a matrix");
    case GaussTask::Inverse:
        return messages.text(Line::gs_task_inverse, "Inverse matrix by the Gauss-Jordan method");
    case GaussTask::RightSide:
        return messages.text(Line::gs_task_right, "Matrix equation A*X=B");
    case GaussTask::LeftSide:
        return messages.text(Line::gs_task_left, "Matrix equation X*A=B");
    case GaussTask::Eigen:
        return messages.text(Line::eg_task, "Eigenvalues and eigenvectors");
    case GaussTask::Determinant:
        break;
    }
    return messages.text(Line::gs_task_det, "Determinant by reduction to a triangular form");
}

} // namespace tc
