#include "FuzzTarget.h"
#include "package/ConfigReaders.h"
#include "platform/TextFile.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

bool isOneLine(const QString &text)
{
    return !text.contains(QLatin1Char('\r')) && !text.contains(QLatin1Char('\n'));
}

} // namespace

FUZZ_TARGET(config_readers)
{
    static const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Panel.CFG"));
    const QByteArray bytes = fuzzBytes(data, size);
    {
        QFile file(path);
        FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        FUZZ_CHECK(file.write(bytes) == bytes.size());
    }
    const QString lowerText = platform::decodeCp1252(bytes).toLower();

    // The same bytes as panel.cfg and then as the kept oldpanel.cfg, which names bitmaps only.
    SharedState state;
    ReadPanelCfg(state, {QStringLiteral("/p/panel/panel.cfg"), path});
    const QString alias = state.PanelAlias;
    FUZZ_CHECK(isOneLine(alias) && lowerText.contains(alias));
    ReadPanelCfg(state, {QStringLiteral("/p/panel/oldpanel.cfg"), path});
    FUZZ_CHECK(state.PanelAlias == alias);
    // Each bitmap name starts after an "=".
    FUZZ_CHECK(state.PanelBitmaps.size() <= lowerText.count(QLatin1Char('=')));
    for (const QString &bitmap : std::as_const(state.PanelBitmaps))
        FUZZ_CHECK(bitmap.endsWith(QLatin1String(".bmp")) && isOneLine(bitmap) &&
                   IsPanelBitmap(state, bitmap));

    const PackageFile soundCfg{QStringLiteral("/p/sound/sound.cfg"), path};
    ReadSoundCfg(state, soundCfg);
    FUZZ_CHECK(isOneLine(state.SoundAlias) && lowerText.contains(state.SoundAlias));
    state.ComponentFiles[Sound] = {soundCfg, {QStringLiteral("/p/sound/a.wav"), path}};
    // A sound is found by any part of a line that names it.
    const QStringList lines = platform::splitLines(lowerText);
    const QString firstLine = lines.value(0);
    FUZZ_CHECK(IsSoundInSoundCfg(state, firstLine.left(firstLine.size() / 2) +
                                            QStringLiteral(".wav")) == !lines.isEmpty());
}
