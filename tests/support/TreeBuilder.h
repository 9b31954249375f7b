#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// Builds real file trees in a temporary folder for tests:
//   TreeBuilder tree;
//   tree.file("Panel/panel.cfg", "[fltsim]\r\nalias=x\\panel\r\n").folder("Sound");
class TreeBuilder {
public:
    TreeBuilder();
    // Removes the tree whole, read-only folders and names that are not UTF-8 included.
    ~TreeBuilder();
    TreeBuilder(const TreeBuilder &) = delete;
    TreeBuilder &operator=(const TreeBuilder &) = delete;

    // The temporary root, ending with the separator.
    QString root() const;
    // root() plus a relative path written with "/".
    QString path(const QString &relative) const;

    TreeBuilder &file(const QString &relative, const QByteArray &content = {});
    TreeBuilder &files(const QStringList &relatives); // each one empty
    TreeBuilder &folder(const QString &relative);
    TreeBuilder &link(const QString &relative, const QString &target);
    TreeBuilder &readOnly(const QString &relative);

    bool exists(const QString &relative) const;
    QByteArray read(const QString &relative) const;

private:
    QTemporaryDir dir_;
};

// A fixture file's bytes, relative to tests/fixtures.
QByteArray fixtureBytes(const QString &relative);
