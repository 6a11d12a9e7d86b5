// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/gauss/gauss_answer.h"

#include <string>

namespace tc {

namespace {

nlohmann::json MatrixJson(const QMatrix& m) {
    nlohmann::json rows = nlohmann::json::array();
    for (const auto& row : m) {
        nlohmann::json texts = nlohmann::json::array();
        for (const Rational& x : row)
            texts.push_back(FractionText(x));
        rows.push_back(std::move(texts));
    }
    return rows;
}

// The one column of a system's solution as a list.
nlohmann::json ColumnJson(const QMatrix& m) {
    nlohmann::json texts = nlohmann::json::array();
    for (const auto& row : m)
        texts.push_back(FractionText(row.front()));
    return texts;
}

const char* VerdictText(GaussVerdict v) {
    switch (v) {
    case GaussVerdict::Unique:
        return "unique";
    case GaussVerdict::Infinite:
        return "infinite";
    case GaussVerdict::None:
        return "none";
    case GaussVerdict::Singular:
        break;
    }
    return "singular";
}

nlohmann::json EquationJson(const GaussResult& r, bool system) {
    nlohmann::json a = nlohmann::json::object();
    if (system) {
        a["rank"] = std::to_string(r.rank);
        a["rank_augmented"] = std::to_string(r.rankAugmented);
    }
    a["verdict"] = VerdictText(r.verdict);
    const auto value = system ? ColumnJson : MatrixJson;
    if (r.verdict == GaussVerdict::Unique) a[system ? "solution" : "X"] = value(r.particular);
    if (r.verdict != GaussVerdict::Infinite) return a;
    a["particular"] = value(r.particular);
    a["basis"] = nlohmann::json::array();
    for (const QMatrix& v : r.basis)
        a["basis"].push_back(value(v));
    if (!system) return a;
    a["free"] = nlohmann::json::array();
    for (int j : r.free)
        a["free"].push_back(j + 1);
    return a;
}

} // namespace

nlohmann::json GaussAnswer(const GaussResult& r) {
    switch (r.task) {
    case GaussTask::Gauss:
    case GaussTask::Jordan:
        return EquationJson(r, true);
    case GaussTask::RightSide:
    case GaussTask::LeftSide:
        return EquationJson(r, false);
    case GaussTask::Rank:
        return {{"rank", std::to_string(r.rank)}};
    case GaussTask::Inverse:
        if (r.verdict == GaussVerdict::Singular) return {{"verdict", "singular"}};
        return {{"verdict", "unique"}, {"inverse", MatrixJson(r.inverse)}};
    case GaussTask::Determinant:
    case GaussTask::Eigen: // EigenAnswer's task
        break;
    }
    return {{"det", FractionText(r.det)}};
}

} // namespace tc
