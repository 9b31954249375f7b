#include "package/Walk.h"

#include "support/PackageTestHelpers.h"
#include "support/UnprivilegedUser.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

namespace {

// Names that sort differently by code unit and ignoring case, some only case apart, some with
// letters outside ASCII (one outside the 16-bit range) and one hidden.
const QStringList kNames{"a",     "B", "b",           "Ab",          "aB.GAU", "_x",  "Z9", "é",
                         "É.txt", "ß", "\U00010400y", "\U00010428x", ".hid",   "c d", "10", "9"};

// A random tree of files, folders, read-only folders and links, the same for the same seed.
void randomTree(TreeBuilder &tree, quint32 seed)
{
    QRandomGenerator random(seed);
    QStringList folders{""};
    for (int i = 0; i < 120; ++i) {
        const QString parent = folders[random.bounded(int(folders.size()))];
        const QString path = parent + kNames[random.bounded(int(kNames.size()))] +
                             QString::number(random.bounded(3));
        if (tree.exists(path))
            continue;
        switch (random.bounded(6)) {
        case 0:
        case 1:
            tree.folder(path);
            folders.append(path + "/");
            break;
        case 2:
            tree.folder(path).readOnly(path);
            break;
        case 3:
            tree.link(path, tree.path(parent.isEmpty() ? "." : parent));
            break;
        default:
            tree.file(path);
        }
    }
}

bool lessIgnoringCase(const QFileInfo &a, const QFileInfo &b)
{
    const int folded = QString::compare(a.fileName(), b.fileName(), Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : a.fileName() < b.fileName();
}

// The walk written the plain way: every entry looked up on its own, recursion for folders.
void referenceWalk(const QString &real, const QString &lower, FileList &files, QStringList &dirs)
{
    QFileInfoList infos =
        QDir(real).entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
    std::sort(infos.begin(), infos.end(), lessIgnoringCase);
    QFileInfoList folders;
    for (const QFileInfo &info : infos) {
        if (info.fileName().startsWith('.'))
            continue;
        if (info.isDir() && !info.isSymLink() && info.permissions().testFlag(QFile::WriteOwner))
            folders.append(info);
        else
            files.append({lower + info.fileName().toLower(), real + info.fileName()});
    }
    for (const QFileInfo &folder : folders)
        dirs.append(real + folder.fileName());
    for (const QFileInfo &folder : folders) {
        QStringList below;
        referenceWalk(real + folder.fileName() + "/", lower + folder.fileName().toLower() + "/",
                      files, below);
        dirs += below;
    }
}

TEST(Walk, ListsWhatLookingUpEveryEntryOnItsOwnListsInTheSameOrder)
{
    for (const quint32 seed : {1u, 2u, 3u}) {
        TreeBuilder tree;
        randomTree(tree, seed);
        FileList files;
        QStringList dirs;
        referenceWalk(tree.root(), tree.root().toLower(), files, dirs);
        ASSERT_GT(files.size(), 20) << seed;

        const FileList walked = walkFiles(tree.root());
        ASSERT_EQ(walked.size(), files.size()) << seed;
        for (qsizetype i = 0; i < files.size(); ++i) {
            EXPECT_EQ(walked[i].realPath, files[i].realPath) << seed;
            EXPECT_EQ(walked[i].path, files[i].path) << seed;
        }
        // The folders of a folder, then the folders below each of them in turn.
        EXPECT_EQ(ListSubDirs(tree.root()), dirs) << seed;
    }
}

TEST(ReachableWalk, ReadsEveryFolderItCanReachOnceAndNamesWhatItCannotList)
{
    TreeBuilder tree;
    tree.file("Aircraft/CD/panel/panel.cfg")
        .readOnly("Aircraft/CD/panel")
        .readOnly("Aircraft/CD")
        .file("Aircraft/.hidden/Panel/PANEL.CFG")
        .file("Elsewhere/Linked/panel/panel.cfg")
        .link("Aircraft/Linked", tree.path("Elsewhere/Linked"))
        .link("Aircraft/Twin", tree.path("Elsewhere/Linked"))
        .link("Aircraft/Plain/back", tree.path("Aircraft"))
        .file("Aircraft/Plain/panel/panel.cfg")
        .file("Aircraft/Plain/panel/other.cfg")
        .link("Aircraft/Gone/panel.cfg", tree.path("unmounted/panel.cfg"))
        .file("Aircraft/Locked/panel/panel.cfg");
    denyAll(tree, "Aircraft/Locked");
    ReachableFiles reached;
    {
        const UnprivilegedUser nobody(tree);
        reached = reachableFilesNamed(tree.path("aircraft/"), "panel.cfg");
    }
    QStringList found;
    for (const PackageFile &file : reached.files)
        found.append(file.realPath.mid(tree.root().size()));
    found.sort();
    // The two links to one folder, and the link back to the top, enter it once.
    EXPECT_EQ(found, QStringList({"Aircraft/.hidden/Panel/PANEL.CFG", "Aircraft/CD/panel/panel.cfg",
                                  "Aircraft/Gone/panel.cfg", "Aircraft/Linked/panel/panel.cfg",
                                  "Aircraft/Plain/panel/panel.cfg"}));
    EXPECT_EQ(reached.unreadable, QStringList{tree.path("Aircraft/Locked")});
}

} // namespace
