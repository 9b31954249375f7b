#pragma once

#include <QProcess>
#include <QString>

#include <utility>

// The immutable flag (chattr +i) on an entry for as long as this lives.
class ImmutableFlag {
public:
    explicit ImmutableFlag(QString path) : path_(std::move(path)), set_(chattr("+i")) {}
    ~ImmutableFlag()
    {
        if (set_)
            chattr("-i");
    }
    ImmutableFlag(const ImmutableFlag &) = delete;
    ImmutableFlag &operator=(const ImmutableFlag &) = delete;
    bool isSet() const { return set_; }

private:
    const QString path_;
    const bool set_;
    bool chattr(const char *change) const
    {
        return QProcess::execute(QStringLiteral("chattr"), {QLatin1String(change), path_}) == 0;
    }
};
