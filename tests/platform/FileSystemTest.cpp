#include "platform/FileCopy.h"
#include "platform/FileListing.h"
#include "platform/FileRemoval.h"
#include "platform/Result.h"
#include "support/PackageTestHelpers.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <utility>

using namespace platform;

TEST(FileSystem, OnlyAPlainWritableDirectoryIsAFolderAndLinksAreNeverFollowed)
{
    TreeBuilder tree;
    tree.files({"target/inside.txt", "b.txt", ".hidden"})
        .folder("Aircraft")
        .folder("Locked")
        .readOnly("Locked")
        .link("Shortcut", tree.path("target"));
    // Listings themselves are compared with a plain reference below.
    bool ok = true;
    EXPECT_TRUE(listDirectory(tree.path("target/inside.txt"), &ok).isEmpty());
    EXPECT_FALSE(ok);
    ok = true;
    listDirectory(tree.path("missing"), &ok);
    EXPECT_FALSE(ok);

    EXPECT_TRUE(folderExists(tree.path("aircraft")));
    EXPECT_FALSE(folderExists(tree.path("Locked")) || folderExists(tree.path("Shortcut")));
    EXPECT_TRUE(directoryExists(tree.path("Shortcut"))); // the Windows directory test follows
    EXPECT_FALSE(directoryExists(tree.path("b.txt")));
    bool exists = false;
    EXPECT_EQ(attributesOf(tree.path("Shortcut/"), &exists), unsigned(Link));
    EXPECT_TRUE(exists);
    EXPECT_EQ(attributesOf(tree.path("target/"), &exists), unsigned(Directory));
    EXPECT_EQ(attributesOf(tree.path(".hidden"), &exists), unsigned(Hidden));
    EXPECT_EQ(attributesOf(tree.path("gone"), &exists), 0u);
    EXPECT_FALSE(exists);
}

TEST(FileSystem, ListingsAgreeWithLookingUpEachEntryOnItsOwn)
{
    // Names that sort differently by code unit and ignoring case, one outside the 16-bit range.
    TreeBuilder tree;
    tree.files({"b", "B.txt", "a", "É", "é1", "ß", "_x", "10", "9", "\U00010428x", ".hid"})
        .file("\U00010400y", "")
        .folder("Dir")
        .folder("dir2")
        .folder("Locked")
        .readOnly("Locked")
        .readOnly("a")
        .link("toDir", tree.path("Dir"))
        .link("dangling", tree.path("nowhere"));
    QFileInfoList infos =
        QDir(tree.root()).entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
    std::sort(infos.begin(), infos.end(), [](const QFileInfo &a, const QFileInfo &b) {
        const int folded = QString::compare(a.fileName(), b.fileName(), Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a.fileName() < b.fileName();
    });
    // The folder test may leave a file's or link's ReadOnly bit out, the kinds any entry's;
    // nothing else may differ.
    const auto shown = [](const QString &name, unsigned attributes, ListDetail detail) {
        if ((detail == ListDetail::FolderTest && !(attributes & Directory)) ||
            detail == ListDetail::Kinds)
            attributes &= ~unsigned(ReadOnly);
        return name + ":" + QString::number(attributes);
    };
    for (const ListDetail detail : {ListDetail::Full, ListDetail::FolderTest, ListDetail::Kinds}) {
        QStringList expected;
        for (const QFileInfo &info : infos) {
            const bool readOnly =
                !info.isSymLink() && !info.permissions().testFlag(QFile::WriteOwner);
            const unsigned kind = info.isSymLink() ? unsigned(Link)
                                  : info.isDir()   ? unsigned(Directory)
                                                   : 0u;
            expected << shown(info.fileName(), kind | (readOnly ? unsigned(ReadOnly) : 0u), detail);
        }
        QStringList listed;
        for (const DirEntry &entry : listDirectory(tree.root(), nullptr, detail))
            listed << shown(entry.name, entry.attributes, detail);
        EXPECT_EQ(listed, expected);
    }
}

TEST(FileSystemCopy, ReplacingKeepsTheReplacedPermissionsTakesTheSourceTimeAndLeavesNothingElse)
{
    TreeBuilder tree;
    tree.file("from.bin", QByteArray(3 << 20, 'x')).file("to/old.bin", "old");
    const QDateTime stamp(QDate(2001, 2, 3), QTime(4, 5, 6));
    setModified(tree.path("from.bin"), stamp);
    const auto mode = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther;
    ASSERT_TRUE(QFile::setPermissions(tree.path("to/old.bin"), mode));
    for (const char *name : {"old.bin", "new.bin", "OLD.BIN"}) {
        ASSERT_TRUE(copyFile(tree.path("from.bin"), tree.path(QString("to/") + name)).ok) << name;
        EXPECT_EQ(QFileInfo(tree.path("to/old.bin")).lastModified(), stamp);
    }
    // A copy that fails part-way (a folder cannot be read as a file) leaves no new file behind.
    EXPECT_FALSE(copyFile(tree.path("to"), tree.path("to/partial.bin")).ok);
    EXPECT_EQ(entriesBelow(tree.path("to")), (QStringList{"new.bin", "old.bin"}));
    EXPECT_EQ(tree.read("to/old.bin"), tree.read("from.bin"));
    EXPECT_EQ(QFile::permissions(tree.path("to/old.bin")) & 0x7077, mode & 0x7077);
    EXPECT_EQ(copyFile(tree.path("none"), tree.path("to/x")).error,
              "The system cannot find the file specified.");
}

TEST(FileSystemCopy, WhereNoTemporaryFileMayBeMadeTheDestinationIsNotOverwrittenInPlace)
{
    // Permission denied is the one failure a save could answer by writing in place. Root may
    // write anywhere, so as root the copy runs under another user id.
    TreeBuilder tree;
    tree.file("new.cfg", "new").file("locked/panel.cfg", "old").readOnly("locked");
    using P = QFileDevice;
    const auto all = P::ReadOwner | P::ReadGroup | P::ReadOther;
    ASSERT_TRUE(QFile::setPermissions(tree.root(), all | P::WriteOwner | P::ExeOwner | P::ExeGroup |
                                                       P::ExeOther));
    ASSERT_TRUE(QFile::setPermissions(tree.path("locked/panel.cfg"),
                                      all | P::WriteOwner | P::WriteGroup | P::WriteOther));
    const bool asRoot = geteuid() == 0;
    ASSERT_TRUE(!asRoot || seteuid(65534) == 0);
    const Result result = copyFile(tree.path("new.cfg"), tree.path("locked/panel.cfg"));
    ASSERT_TRUE(!asRoot || seteuid(0) == 0);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(tree.read("locked/panel.cfg"), "old");
}

TEST(FileSystemRemove, RefusesReadOnlyFilesAndFoldersAndRemovesLinksNotTheirTargets)
{
    TreeBuilder tree;
    tree.files({"cd.txt", "Plain.TXT", "target/keep.txt", "file.txt"})
        .folder("Gauges")
        .link("dirlink", tree.path("target"))
        .link("filelink", tree.path("file.txt"))
        .readOnly("cd.txt");
    EXPECT_FALSE(removeFile(tree.path("cd.txt")).error.isEmpty());
    EXPECT_FALSE(removeFile(tree.path("Gauges")).ok);
    EXPECT_TRUE(tree.exists("cd.txt") && tree.exists("Gauges"));
    RemoveResult result = removeFile(tree.path("never.txt"));
    EXPECT_TRUE(result.ok && result.missing);
    result = removeFile(tree.path("plain.txt")); // found ignoring case
    EXPECT_TRUE(result.ok && !result.missing && !tree.exists("Plain.TXT"));
    EXPECT_TRUE(removeFile(tree.path("dirlink")).ok && removeFile(tree.path("filelink")).ok);
    EXPECT_FALSE(tree.exists("dirlink") || tree.exists("filelink"));
    EXPECT_TRUE(tree.exists("target/keep.txt") && tree.exists("file.txt"));
}
