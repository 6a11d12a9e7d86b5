// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The writer's shared state and its parts, one per group of tasks.

#include "calc/space/space_text.h"
#include "calc/space/space_write.h"

namespace tc::space {

struct Writer {
    const SpaceInput& in;
    const SpaceResult& r;
    const Wording& w;
    bool check;
    TabOutput out;

    void line(std::string text) { out.lines.push_back(std::move(text)); }
    void say(Line l, const char* fallback) { line(w.messages.text(l, fallback)); }
    void field(const char* name, std::string text) { out.fields.emplace_back(name, std::move(text)); }
    // "exact=decimal" with four decimals and the user's separator.
    std::string valueText(const RootValue& v, Ext decimal) const;
    // "d=sqrt(top)/sqrt(bottom)=exact=decimal" and the field.
    void distance(const std::string& formula, const DistanceValue& d, const char* fieldName);
    // "|PH|=sqrt(...)=exact" against the distance, under "Check:".
    void checkFoot(const std::string& segment);
    std::string verdictText() const;
};

void WritePlane(Writer& wr);
void WriteLine(Writer& wr);
void WriteDistance(Writer& wr);
void WriteAngle(Writer& wr);
void WriteMeeting(Writer& wr);
void WriteProjection(Writer& wr);

} // namespace tc::space
