#pragma once

#include <QFile>
#include <QStringList>

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <utility>

// Folders that cannot be listed while this object lives: no permissions, and for root (CI) the
// calling thread gives up the two capabilities that read past them.
class UnlistableFolders {
public:
    explicit UnlistableFolders(QStringList folders) : folders_(std::move(folders))
    {
        for (const QString &folder : folders_)
            QFile::setPermissions(folder, {});
        lowered_ = ::syscall(SYS_capget, &header_, saved_) == 0;
        if (lowered_) {
            __user_cap_data_struct lowered[2] = {saved_[0], saved_[1]};
            lowered[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
            ::syscall(SYS_capset, &header_, lowered);
        }
    }
    ~UnlistableFolders()
    {
        if (lowered_) // never with unread capabilities: that would drop them all
            ::syscall(SYS_capset, &header_, saved_);
        for (const QString &folder : folders_)
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    UnlistableFolders(const UnlistableFolders &) = delete;
    UnlistableFolders &operator=(const UnlistableFolders &) = delete;

private:
    QStringList folders_;
    __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct saved_[2]{};
    bool lowered_ = false;
};
