#pragma once

#include "package/Context.h"
#include "package/FolderLayout.h"

#include <QString>

// AliasKind, aliasKindName and the alias's target are part of the layout (package/FolderLayout.h).

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
