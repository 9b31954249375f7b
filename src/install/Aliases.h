#pragma once

#include "package/Context.h"

#include <QString>

// What one aircraft can lend another through an alias= line: its panel or its sound set.
enum class AliasKind { Panel, Sound };

// "panel" or "sound": the kind's folder, its configuration file's stem, and how messages name it.
QString aliasKindName(AliasKind kind);

// Remembers the current package's panel (sound) as the alias to paste ("package\panel"). Changes
// no file.
void CreateAlias(Context &context, AliasKind kind, const QString &package);

// Replaces the stored package's panel.cfg (sound.cfg) by a two-line alias file naming the
// remembered alias. The file the first paste replaces is kept as oldpanel.cfg (oldsound.cfg) and
// never overwritten by a later paste.
void PasteAlias(Context &context, AliasKind kind, const QString &category, const QString &package);

// Puts the kept oldpanel.cfg (oldsound.cfg) back in place of the current file.
void RestoreOldCfg(Context &context, AliasKind kind, const QString &category,
                   const QString &package);
