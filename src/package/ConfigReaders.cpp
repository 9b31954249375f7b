#include "package/ConfigReaders.h"

#include "package/Files.h"
#include "platform/TextFile.h"

namespace {

// The alias rule shared by panel.cfg and sound.cfg: the first line holding "alias" and an "="
// gives everything after its first "=", as written (lower case, not trimmed).
bool readAlias(const QString &lowerLine, QString &alias)
{
    if (!lowerLine.contains(QLatin1String("alias")) || !lowerLine.contains(QLatin1Char('=')))
        return false;
    alias = lowerLine.mid(lowerLine.indexOf(QLatin1Char('=')) + 1);
    return true;
}

// Each "=" left of the first ".bmp" starts one more name; a plain "file=x.bmp" line gives
// x.bmp. Entries are written from index next on, overwriting what an earlier file left there.
void readBitmaps(const QString &lowerLine, QStringList &bitmaps, qsizetype &next)
{
    const qsizetype bmp = lowerLine.indexOf(QLatin1String(".bmp"));
    if (bmp < 0)
        return;
    const qsizetype end = bmp + 4;
    for (qsizetype j = bmp; j >= 0; --j) {
        if (lowerLine.at(j) != QLatin1Char('='))
            continue;
        const QString name = lowerLine.mid(j + 1, end - (j + 1));
        if (next < bitmaps.size())
            bitmaps[next] = name;
        else
            bitmaps.append(name);
        ++next;
    }
}

} // namespace

void ReadPanelCfg(SharedState &state, const PackageFile &file)
{
    // A kept oldpanel.cfg is the aircraft's own panel, not an alias: it only names bitmaps.
    const bool isOld = FileNameOf(file.path, false) == QLatin1String("oldpanel.cfg");
    if (!isOld)
        state.PanelAlias.clear();
    qsizetype next = 0;
    platform::forEachLine(file.realPath, [&](const QString &line) {
        const QString lower = line.toLower();
        if (!isOld && state.PanelAlias.isEmpty())
            readAlias(lower, state.PanelAlias);
        readBitmaps(lower, state.PanelBitmaps, next);
        return true;
    });
}

void ReadSoundCfg(SharedState &state, const PackageFile &file)
{
    const bool isOld = FileNameOf(file.path, false) == QLatin1String("oldsound.cfg");
    if (isOld)
        return;
    state.SoundAlias.clear();
    platform::forEachLine(file.realPath, [&](const QString &line) {
        return !readAlias(line.toLower(), state.SoundAlias) || state.SoundAlias.isEmpty();
    });
}

bool IsPanelBitmap(const SharedState &state, const QString &name)
{
    return state.PanelBitmaps.contains(name);
}

bool IsSoundInSoundCfg(const SharedState &state, const QString &name)
{
    const FileList &sounds = state.ComponentFiles[Sound];
    if (sounds.size() < 2)
        return false;
    const qsizetype wav = name.indexOf(QLatin1String(".wav"));
    if (wav < 0)
        return false;
    const QString base = name.left(wav);
    const PackageFile *soundCfg = nullptr;
    for (const PackageFile &file : sounds) {
        if (FileNameOf(file.path, false) == QLatin1String("sound.cfg")) {
            soundCfg = &file;
            break;
        }
    }
    if (soundCfg == nullptr)
        return false;
    bool named = false;
    platform::forEachLine(soundCfg->realPath, [&](const QString &line) {
        named = line.toLower().contains(base);
        return !named;
    });
    return named;
}
