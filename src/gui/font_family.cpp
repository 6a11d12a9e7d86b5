// SPDX-License-Identifier: GPL-3.0-or-later
#include "font_family.h"

#include <QFontDatabase>
#include <QStringList>
#include <mutex>

#ifdef TOVRIN_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace tc::gui {

namespace {

#ifdef TOVRIN_HAVE_FONTCONFIG
// The generic fontconfig family Qt adds to a request with this hint.
const char* GenericFamily(QFont::StyleHint hint) {
    switch (hint) {
    case QFont::SansSerif: return "sans-serif";
    case QFont::Serif: return "serif";
    case QFont::TypeWriter:
    case QFont::Monospace: return "monospace";
    case QFont::Cursive: return "cursive";
    case QFont::Fantasy: return "fantasy";
    default: return nullptr;
    }
}

// Fontconfig's best match for an upright font of `family`, with the generic
// family of `hint` behind it and the user's language, as Qt asks for the
// fonts that stand in for a missing family.
QString BestMatch(const QString& family, QFont::StyleHint hint) {
    FcPattern* pattern = FcPatternCreate();
    if (!pattern) return {};
    const QByteArray name = family.toUtf8();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(name.constData()));
    FcPatternAddInteger(pattern, FC_SLANT, FC_SLANT_ROMAN);
    if (FcPattern* defaults = FcPatternCreate()) {
        FcDefaultSubstitute(defaults);
        FcChar8* language = nullptr;
        if (FcPatternGetString(defaults, FC_LANG, 0, &language) == FcResultMatch)
            FcPatternAddString(pattern, FC_LANG, language);
        FcPatternDestroy(defaults);
    }
    if (const char* generic = GenericFamily(hint)) {
        FcValue value;
        value.type = FcTypeString;
        value.u.s = reinterpret_cast<const FcChar8*>(generic);
        FcPatternAddWeak(pattern, FC_FAMILY, value, FcTrue);
    }
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    QString found;
    FcChar8* matched = nullptr;
    if (match && FcPatternGetString(match, FC_FAMILY, 0, &matched) == FcResultMatch)
        found = QString::fromUtf8(reinterpret_cast<const char*>(matched));
    if (match) FcPatternDestroy(match);
    return found;
}

// The one answer worked out ahead (PrepareFamily), for the window's family.
struct Prepared {
    std::mutex lock;
    QString family;
    QFont::StyleHint hint = QFont::AnyStyle;
    QString match;
};

Prepared& PreparedMatch() {
    static Prepared prepared;
    return prepared;
}

QString Match(const QString& family, QFont::StyleHint hint) {
    Prepared& prepared = PreparedMatch();
    {
        const std::lock_guard<std::mutex> hold(prepared.lock);
        if (prepared.hint == hint && prepared.family == family && !prepared.match.isEmpty())
            return prepared.match;
    }
    return BestMatch(family, hint);
}
#endif

} // namespace

void PrepareFamily(const char* family, QFont::StyleHint hint) {
#ifdef TOVRIN_HAVE_FONTCONFIG
    const QString name = QString::fromUtf8(family);
    QString match = BestMatch(name, hint);
    Prepared& prepared = PreparedMatch();
    const std::lock_guard<std::mutex> hold(prepared.lock);
    prepared.family = name;
    prepared.hint = hint;
    prepared.match = std::move(match);
#else
    (void)family;
    (void)hint;
#endif
}

QString InstalledFamily(const QString& family, QFont::StyleHint hint) {
    const QStringList installed = QFontDatabase::families();
    // Qt lists the generic families under these names as well, and asks
    // fontconfig which installed family stands for one whenever it sets up a
    // font of it.
    const QStringList generic = {QStringLiteral("Serif"), QStringLiteral("Sans Serif"),
                                 QStringLiteral("Monospace")};
    if (installed.contains(family, Qt::CaseInsensitive) && !generic.contains(family, Qt::CaseInsensitive))
        return family;
#ifdef TOVRIN_HAVE_FONTCONFIG
    const QString match = Match(family, hint);
    if (!match.isEmpty() && installed.contains(match, Qt::CaseInsensitive)) return match;
#else
    (void)hint;
#endif
    return family;
}

} // namespace tc::gui
