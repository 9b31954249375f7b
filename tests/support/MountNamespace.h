#pragma once

// Checks run in a child process inside a private mount namespace, on a tmpfs or a read-only bind
// mount of their own, so that a test can fill or protect a real file system without root's
// mounts outliving it.

#include "FaultScenarios.h"

#include <QByteArray>
#include <QStringList>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>
#include <sched.h>
#include <string>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

// Why this process cannot make a private mount namespace with a tmpfs in it, or nothing.
inline std::optional<std::string> mountNamespaceUnavailable()
{
    if (::geteuid() != 0)
        return "mounting needs root";
    const pid_t child = ::fork();
    if (child == 0) {
        const bool ok = ::unshare(CLONE_NEWNS) == 0 &&
                        ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
                        ::mount("none", "/tmp", "tmpfs", 0, "size=64k") == 0;
        ::_exit(ok ? 0 : 1);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0)
        return "this process cannot make a private mount namespace (unshare or mount refused)";
    return std::nullopt;
}

// A tmpfs with no room for data, or for more than one entry; a read-only bind mount;
// a tmpfs with room to spare.
enum class Mount { FullTmpfs, FewEntriesTmpfs, ReadOnlyBind, RoomyTmpfs };

// In a child process: a private mount namespace with the mount on folder (an empty folder for a
// tmpfs, the folder itself for a bind mount).
inline bool mountInPrivateNamespace(Mount mount, const QByteArray &folder)
{
    if (::unshare(CLONE_NEWNS) != 0 ||
        ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        return false;
    if (mount != Mount::ReadOnlyBind)
        return ::mount("none", folder.constData(), "tmpfs", 0,
                       mount == Mount::FullTmpfs         ? "size=256k"
                       : mount == Mount::FewEntriesTmpfs ? "size=8m,nr_inodes=2"
                                                         : "size=8m") == 0;
    return ::mount(folder.constData(), folder.constData(), nullptr, MS_BIND, nullptr) == 0 &&
           ::mount(nullptr, folder.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY,
                   nullptr) == 0;
}

// Runs check in a child process inside its own mount namespace; the child exits 0 only when
// check found no problem, and prints the problems otherwise.
inline void expectInMountNamespace(Mount mount, const QByteArray &folder,
                                   const std::function<QStringList()> &check)
{
    const int status = runInChild([&] {
        if (!mountInPrivateNamespace(mount, folder)) {
            std::fprintf(stderr, "could not mount on %s\n", folder.constData());
            std::_Exit(2);
        }
        const QStringList problems = check();
        std::fprintf(stderr, "%s\n", qPrintable(problems.join(QLatin1Char('\n'))));
        std::_Exit(problems.isEmpty() ? 0 : 1);
    });
    EXPECT_EQ(status, 0) << "the check in the mount namespace failed (see above)";
}
