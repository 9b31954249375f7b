#include "app/ui/ConfiguredFamily.h"

#ifdef WINGSTASH_FONTCONFIG
#include <QFontDatabase>
#include <QStringList>

#include <fontconfig/fontconfig.h>
#include <memory>

namespace {

struct PatternDeleter {
    void operator()(FcPattern *pattern) const { FcPatternDestroy(pattern); }
};
using Pattern = std::unique_ptr<FcPattern, PatternDeleter>;

QString patternString(const Pattern &pattern, const char *object)
{
    FcChar8 *value = nullptr;
    if (FcPatternGetString(pattern.get(), object, 0, &value) != FcResultMatch)
        return {};
    return QString::fromUtf8(reinterpret_cast<const char *>(value));
}

} // namespace

QString configuredBoldFamily(const QString &family)
{
    const Pattern request(FcPatternCreate());
    if (!request)
        return family;
    FcPatternAddString(request.get(), FC_FAMILY,
                       reinterpret_cast<const FcChar8 *>(family.toUtf8().constData()));
    FcPatternAddInteger(request.get(), FC_WEIGHT, FC_WEIGHT_BOLD);
    FcConfigSubstitute(nullptr, request.get(), FcMatchPattern);
    FcDefaultSubstitute(request.get());
    FcResult result = FcResultNoMatch;
    const Pattern face(FcFontMatch(nullptr, request.get(), &result));
    if (!face)
        return family;
    const QString matched = patternString(face, FC_FAMILY);
    const QString foundry = patternString(face, FC_FOUNDRY);
    const QString named =
        foundry.isEmpty() ? matched : QStringLiteral("%1 [%2]").arg(matched, foundry);
    // Qt reads the same configuration, but skips some faces it cannot draw.
    return matched.isEmpty() || QFontDatabase::styles(named).isEmpty() ? family : named;
}

#else

QString configuredBoldFamily(const QString &family)
{
    return family;
}

#endif
