#pragma once

#include "TreeBuilder.h"

#include <QFile>

#include <gtest/gtest.h>

#include <unistd.h>

// Permission bits do not bind root, who reads and lists everything. Tests that need a folder or
// file nobody may read run that part under this scope: as root it opens the tree's top folder
// to others and takes the user id of "nobody" until it ends; as any other user it changes
// nothing.
class UnprivilegedUser {
public:
    explicit UnprivilegedUser(const TreeBuilder &tree) : switched_(geteuid() == 0)
    {
        if (!switched_)
            return;
        using P = QFileDevice;
        EXPECT_TRUE(QFile::setPermissions(tree.root(), P::ReadOwner | P::WriteOwner | P::ExeOwner |
                                                           P::ReadGroup | P::ExeGroup |
                                                           P::ReadOther | P::ExeOther));
        EXPECT_EQ(seteuid(kNobody), 0);
    }
    ~UnprivilegedUser()
    {
        if (switched_) {
            EXPECT_EQ(seteuid(0), 0);
        }
    }
    UnprivilegedUser(const UnprivilegedUser &) = delete;
    UnprivilegedUser &operator=(const UnprivilegedUser &) = delete;

private:
    static constexpr uid_t kNobody = 65534;
    const bool switched_;
};

// Takes every permission bit off an entry, so that no one but root may read, list or enter it.
inline void denyAll(const TreeBuilder &tree, const QString &relative)
{
    EXPECT_TRUE(QFile::setPermissions(tree.path(relative), {}));
}
