#include "package/Classification.h"

#include "package/ConfigReaders.h"

namespace {

constexpr std::array<QLatin1String, 4> kKneeboardEndings{
    QLatin1String("_check.txt"), QLatin1String("_keys.txt"), QLatin1String("_notes.txt"),
    QLatin1String("_ref.txt")};

bool isKneeboardText(const QString &lowerName)
{
    for (const QLatin1String ending : kKneeboardEndings) {
        if (lowerName.endsWith(ending))
            return true;
    }
    return false;
}

// ".?af" as the last four characters: a three-letter extension ending in "af".
bool endsWithAfExtension(const QString &lower)
{
    return lower.size() >= 4 && lower.at(lower.size() - 4) == QLatin1Char('.') &&
           lower.endsWith(QLatin1String("af"));
}

bool matchesExtension(const QString &lowerName, const QString &pattern)
{
    if (pattern.size() == 2)
        return endsWithAfExtension(lowerName);
    return lowerName.size() > pattern.size() &&
           lowerName.at(lowerName.size() - pattern.size() - 1) == QLatin1Char('.') &&
           QStringView(lowerName).last(pattern.size()) == pattern;
}

ClassificationPass extension(const char *pattern, bool panelOnly = false)
{
    return {PassMode::Extension, QLatin1String(pattern), panelOnly};
}

ClassificationPass exactName(const char *pattern)
{
    return {PassMode::ExactName, QLatin1String(pattern)};
}

ClassificationPass mode(PassMode passMode)
{
    return {passMode, QString()};
}

} // namespace

const std::array<ClassificationGroup, kKindCount> &classificationGroups()
{
    static const std::array<ClassificationGroup, kKindCount> groups{{
        {Images, {extension("jpg"), extension("gif")}},
        {Aircraft,
         {exactName("aircraft.cfg"), extension("air"), mode(PassMode::CheckList),
          mode(PassMode::KeysList), mode(PassMode::NotesList), mode(PassMode::RefList)}},
        {Model, {exactName("model.cfg"), extension("mdl"), extension("mpi"), extension("nmp")}},
        {Panel, {exactName("panel.cfg"), exactName("oldpanel.cfg"), extension("bmp", true)}},
        {Sound, {exactName("sound.cfg"), exactName("oldsound.cfg"), extension("wav")}},
        {Texture, {extension("af"), extension("bmp", false)}},
        {Gauges, {extension("gau")}},
        {Documentation,
         {extension("txt"), extension("doc"), extension("html"), extension("htm"),
          extension("diz")}},
        {UnrecognizedFiles, {mode(PassMode::EveryFile)}},
    }};
    return groups;
}

bool matchesPass(const ClassificationPass &pass, const QString &lowerName, const SharedState &state)
{
    switch (pass.mode) {
    case PassMode::Extension:
        if (!matchesExtension(lowerName, pass.pattern))
            return false;
        // Bitmaps named by panel.cfg are Panel files, every other bitmap a Texture.
        if (pass.pattern == QLatin1String("bmp"))
            return IsPanelBitmap(state, lowerName) == pass.panelOnly;
        // Kneeboard texts belong to the aircraft, not to its documentation.
        return !isKneeboardText(lowerName);
    case PassMode::ExactName:
        return lowerName == pass.pattern;
    case PassMode::EveryFile:
        return true;
    case PassMode::CheckList:
    case PassMode::KeysList:
    case PassMode::NotesList:
    case PassMode::RefList:
        return lowerName.endsWith(kKneeboardEndings.at(static_cast<int>(pass.mode) -
                                                       static_cast<int>(PassMode::CheckList)));
    }
    return false;
}

bool passMayMatchExtension(const ClassificationPass &pass, QStringView extension)
{
    if (pass.mode == PassMode::EveryFile)
        return true;
    if (pass.mode == PassMode::ExactName)
        return extension == QStringView(pass.pattern).sliced(pass.pattern.lastIndexOf(u'.') + 1);
    if (pass.mode != PassMode::Extension) // the kneeboard texts
        return extension == u"txt";
    if (pass.pattern.size() == 2) // "af": any three-letter extension ending in "af"
        return extension.size() == 3 && extension.endsWith(pass.pattern);
    return extension == pass.pattern;
}

bool hasKnownEnding(const QString &lowerPath)
{
    static const std::array<QLatin1String, 18> endings{
        QLatin1String(".jpg"), QLatin1String(".bmp"), QLatin1String(".gif"), QLatin1String(".air"),
        QLatin1String(".diz"), QLatin1String(".mdl"), QLatin1String(".mpi"), QLatin1String(".nmp"),
        QLatin1String(".wav"), QLatin1String(".gau"), QLatin1String(".txt"), QLatin1String(".doc"),
        QLatin1String(".htm"), QLatin1String(".html"),
        // "panel.cfg" and "sound.cfg" also cover oldpanel.cfg and oldsound.cfg.
        QLatin1String("model.cfg"), QLatin1String("panel.cfg"), QLatin1String("sound.cfg"),
        QLatin1String("aircraft.cfg")};
    if (endsWithAfExtension(lowerPath))
        return true;
    for (const QLatin1String ending : endings) {
        if (lowerPath.endsWith(ending))
            return true;
    }
    return false;
}
