#include "platform/FileSystem.h"

#include "support/PackageTestHelpers.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace platform;

namespace {

QStringList names(const QList<DirEntry> &entries)
{
    QStringList out;
    for (const DirEntry &entry : entries)
        out.append(entry.name);
    return out;
}

unsigned attributesIn(const QList<DirEntry> &entries, const QString &name)
{
    for (const DirEntry &entry : entries) {
        if (entry.name == name)
            return entry.attributes;
    }
    ADD_FAILURE() << "not listed: " << name.toStdString();
    return 0;
}

// Everything in a folder, hidden names included, to see what a failed write left behind.
QStringList everythingIn(const QString &dir)
{
    return QDir(dir).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

TEST(FileSystemAttributes, OnlyAPlainWritableDirectoryIsAFolderAndLinksAreNeverFollowed)
{
    TreeBuilder tree;
    tree.folder("Aircraft")
        .folder("Locked")
        .readOnly("Locked")
        .file("target/inside.txt")
        .link("Shortcut", tree.path("target"))
        .file("plain.txt")
        .file("fixed.txt")
        .readOnly("fixed.txt")
        .link("broken", tree.path("nowhere"))
        .file(".hidden");

    bool ok = false;
    const QList<DirEntry> entries = listDirectory(tree.root(), &ok);
    ASSERT_TRUE(ok);
    EXPECT_EQ(attributesIn(entries, "Aircraft"), unsigned(Directory));
    EXPECT_TRUE(entries[0].isFolder());
    EXPECT_EQ(attributesIn(entries, "Locked"), unsigned(Directory | ReadOnly));
    EXPECT_EQ(attributesIn(entries, "Shortcut"), unsigned(Link)); // never Directory
    EXPECT_EQ(attributesIn(entries, "plain.txt"), 0u);
    EXPECT_EQ(attributesIn(entries, "fixed.txt"), unsigned(ReadOnly));
    EXPECT_EQ(attributesIn(entries, "broken"), unsigned(Link));

    EXPECT_TRUE(folderExists(tree.path("Aircraft")));
    EXPECT_FALSE(folderExists(tree.path("Locked")));
    EXPECT_FALSE(folderExists(tree.path("Shortcut")));
    EXPECT_TRUE(directoryExists(tree.path("Shortcut"))); // the Windows directory test follows
    EXPECT_FALSE(directoryExists(tree.path("plain.txt")));

    bool exists = false;
    EXPECT_EQ(attributesOf(tree.path("Shortcut"), &exists), unsigned(Link));
    EXPECT_TRUE(exists);
    EXPECT_EQ(attributesOf(tree.path("Shortcut/"), &exists), unsigned(Link));
    EXPECT_EQ(attributesOf(tree.path("target/"), &exists), unsigned(Directory));
    EXPECT_EQ(attributesOf(tree.path(".hidden"), &exists), unsigned(Hidden));
    EXPECT_EQ(attributesOf(tree.path("gone"), &exists), 0u);
    EXPECT_FALSE(exists);
}

TEST(FileSystemListing, HidesDotNamesSortsIgnoringCaseAndFailsForNonFolders)
{
    TreeBuilder tree;
    tree.file("b.txt").file("A.txt").file("a.txt").file(".secret").folder(".git").file("C.dat");
    tree.folder("sub");

    bool ok = false;
    EXPECT_EQ(names(listDirectory(tree.root(), &ok)),
              QStringList({"A.txt", "a.txt", "b.txt", "C.dat", "sub"}));
    EXPECT_TRUE(ok);
    EXPECT_TRUE(listDirectory(tree.path("sub"), &ok).isEmpty());
    EXPECT_TRUE(ok);
    EXPECT_TRUE(listDirectory(tree.path("missing"), &ok).isEmpty());
    EXPECT_FALSE(ok);
    ok = true;
    listDirectory(tree.path("b.txt"), &ok);
    EXPECT_FALSE(ok);
}

TEST(FileSystemCopy, OverwritesEvenUnderAnotherCaseAndKeepsTheModifiedTime)
{
    TreeBuilder tree;
    tree.file("src/panel.cfg", "new contents").file("Dst/Panel.CFG", "stale");
    const QDateTime stamp = QDateTime::fromString("2001-03-04T05:06:07", Qt::ISODate);
    setModified(tree.path("src/panel.cfg"), stamp);

    const Result result = copyFile(tree.path("src/panel.cfg"), tree.path("dst/panel.cfg"));
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(everythingIn(tree.path("Dst")), QStringList{"Panel.CFG"});
    EXPECT_EQ(tree.read("Dst/Panel.CFG"), "new contents");
    EXPECT_EQ(lastModified(tree.path("Dst/Panel.CFG")), stamp);
    EXPECT_EQ(fileSize(tree.path("Dst/Panel.CFG")), 12);
}

TEST(FileSystemCopy, AFailedCopySaysWhyAndLeavesTheOldDestinationAndNoTemporaryFile)
{
    TreeBuilder tree;
    tree.file("dst/panel.cfg", "old").folder("a folder").file("a.txt", "new");
    tree.file("b.txt", "kept").readOnly("b.txt");

    // A source that opens but cannot be read: the failure comes half-way, while writing.
    for (const QString &source : {QString("/proc/self/mem"), tree.path("a folder")}) {
        const Result result = copyFile(source, tree.path("dst/panel.cfg"));
        EXPECT_FALSE(result.ok) << source.toStdString();
        EXPECT_FALSE(result.error.isEmpty());
        EXPECT_EQ(tree.read("dst/panel.cfg"), "old");
        EXPECT_EQ(everythingIn(tree.path("dst")), QStringList{"panel.cfg"});
    }

    Result result = copyFile(tree.path("gone.txt"), tree.path("c.txt"));
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, "The system cannot find the file specified.");
    EXPECT_FALSE(tree.exists("c.txt"));

    result = copyFile(tree.path("a.txt"), tree.path("no/such/folder/b.txt"));
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, "The system cannot find the path specified.");

    result = copyFile(tree.path("a.txt"), tree.path("b.txt"));
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, "Access is denied.");
    EXPECT_EQ(tree.read("b.txt"), "kept");
}

TEST(FileSystemRemove, RefusesReadOnlyAndFoldersAcceptsMissingAndRemovesOnlyTheLink)
{
    TreeBuilder tree;
    tree.file("cd.txt").readOnly("cd.txt").folder("Gauges").file("Plain.TXT");
    tree.file("target/keep.txt", "data")
        .file("file.txt", "data")
        .link("dirlink", tree.path("target"))
        .link("filelink", tree.path("file.txt"));

    RemoveResult result = removeFile(tree.path("cd.txt"));
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.isEmpty());
    EXPECT_TRUE(tree.exists("cd.txt"));

    EXPECT_FALSE(removeFile(tree.path("Gauges")).ok);
    EXPECT_TRUE(tree.exists("Gauges"));

    result = removeFile(tree.path("never.txt"));
    EXPECT_TRUE(result.ok);
    EXPECT_TRUE(result.missing);

    result = removeFile(tree.path("plain.txt")); // found ignoring case
    EXPECT_TRUE(result.ok);
    EXPECT_FALSE(result.missing);
    EXPECT_FALSE(tree.exists("Plain.TXT"));

    EXPECT_TRUE(removeFile(tree.path("dirlink")).ok);
    EXPECT_TRUE(removeFile(tree.path("filelink")).ok);
    EXPECT_FALSE(tree.exists("dirlink") || tree.exists("filelink"));
    EXPECT_EQ(tree.read("target/keep.txt"), "data");
    EXPECT_EQ(tree.read("file.txt"), "data");
}

TEST(FileSystemRemove, WildcardRemovesMatchingFilesOnly)
{
    TreeBuilder tree;
    tree.file("g/A.GAU")
        .file("g/b.gau")
        .file("g/c.gaux")
        .file("g/readme.txt")
        .folder("g/d.gau")
        .file("g/.e.gau")
        .file("g/other/f.gau")
        .folder("g/t")
        .link("g/dirlink.gau", tree.path("g/t"));

    RemoveResult result = removeFiles(tree.path("g/*.gau"));
    EXPECT_TRUE(result.ok);
    EXPECT_FALSE(result.missing);
    EXPECT_EQ(everythingIn(tree.path("g")), QStringList({".e.gau", "c.gaux", "d.gau", "dirlink.gau",
                                                         "other", "readme.txt", "t"}));

    EXPECT_TRUE(removeFiles(tree.path("g/?eadme.*")).ok);
    EXPECT_FALSE(tree.exists("g/readme.txt"));

    result = removeFiles(tree.path("g/*.xyz"));
    EXPECT_TRUE(result.ok);
    EXPECT_TRUE(result.missing);

    // "*.*" names every file, dotted or not, as on Windows.
    tree.file("h/noext").file("h/one.txt").file("h/locked.txt").readOnly("h/locked.txt");
    result = removeFiles(tree.path("h/*.*"));
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.isEmpty());
    EXPECT_EQ(everythingIn(tree.path("h")), QStringList{"locked.txt"});
}

TEST(FileSystemFolders, MakeAndRemoveOneFolderNeverThroughALink)
{
    TreeBuilder tree;
    tree.folder("Sound").file("file.txt").folder("full").file("full/x");
    tree.folder("empty").link("link", tree.path("empty"));

    EXPECT_FALSE(makeFolder(tree.path("sound")).ok); // exists under another case
    EXPECT_FALSE(makeFolder(tree.path("file.txt")).ok);
    EXPECT_FALSE(makeFolder(tree.path("a/b")).ok);
    ASSERT_TRUE(makeFolder(tree.path("New Folder")).ok);
    EXPECT_TRUE(folderExists(tree.path("new folder")));

    EXPECT_TRUE(removeFolder(tree.path("new folder/")).ok);
    EXPECT_FALSE(tree.exists("New Folder"));
    EXPECT_FALSE(removeFolder(tree.path("full")).ok);
    EXPECT_TRUE(tree.exists("full/x"));
    EXPECT_FALSE(removeFolder(tree.path("gone")).ok);
    EXPECT_FALSE(removeFolder(tree.path("link")).ok);
    EXPECT_TRUE(tree.exists("empty") && tree.exists("link"));
}
