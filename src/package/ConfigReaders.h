#pragma once

#include "package/SharedState.h"

#include <QString>

// panel.cfg and oldpanel.cfg: the alias (panel.cfg only) and the bitmap names.
void ReadPanelCfg(SharedState &state, const PackageFile &file);
// sound.cfg and oldsound.cfg: the alias (sound.cfg only).
void ReadSoundCfg(SharedState &state, const PackageFile &file);
// True when the package's panel.cfg names this lower-case bitmap file name.
bool IsPanelBitmap(const SharedState &state, const QString &name);
// True when the package's sound.cfg names this .wav file (by its name without ".wav").
bool IsSoundInSoundCfg(const SharedState &state, const QString &name);
