#include "TreeBuilder.h"

#include "RawTree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

TreeBuilder::TreeBuilder()
{
    EXPECT_TRUE(dir_.isValid());
    dir_.setAutoRemove(false);
}

TreeBuilder::~TreeBuilder()
{
    if (dir_.isValid())
        rawtree::removeWhole(QFile::encodeName(dir_.path()));
}

QString TreeBuilder::root() const
{
    return dir_.path() + QLatin1Char('/');
}

QString TreeBuilder::path(const QString &relative) const
{
    return root() + relative;
}

TreeBuilder &TreeBuilder::file(const QString &relative, const QByteArray &content)
{
    const QString full = path(relative);
    QDir().mkpath(QFileInfo(full).path());
    QFile out(full);
    EXPECT_TRUE(out.open(QIODevice::WriteOnly)) << full.toStdString();
    out.write(content);
    return *this;
}

TreeBuilder &TreeBuilder::files(const QStringList &relatives)
{
    for (const QString &relative : relatives)
        file(relative);
    return *this;
}

TreeBuilder &TreeBuilder::folder(const QString &relative)
{
    EXPECT_TRUE(QDir().mkpath(path(relative)));
    return *this;
}

TreeBuilder &TreeBuilder::link(const QString &relative, const QString &target)
{
    const QString full = path(relative);
    QDir().mkpath(QFileInfo(full).path());
    EXPECT_TRUE(QFile::link(target, full));
    return *this;
}

TreeBuilder &TreeBuilder::readOnly(const QString &relative)
{
    QFile entry(path(relative));
    const auto writable = QFileDevice::WriteOwner | QFileDevice::WriteUser |
                          QFileDevice::WriteGroup | QFileDevice::WriteOther;
    EXPECT_TRUE(entry.setPermissions(entry.permissions() & ~writable));
    return *this;
}

bool TreeBuilder::exists(const QString &relative) const
{
    return QFileInfo::exists(path(relative)) || QFileInfo(path(relative)).isSymLink();
}

QByteArray TreeBuilder::read(const QString &relative) const
{
    QFile in(path(relative));
    if (!in.open(QIODevice::ReadOnly))
        return {};
    return in.readAll();
}

QByteArray fixtureBytes(const QString &relative)
{
    QFile in(QStringLiteral(WINGSTASH_FIXTURES "/") + relative);
    EXPECT_TRUE(in.open(QIODevice::ReadOnly)) << relative.toStdString();
    return in.readAll();
}
