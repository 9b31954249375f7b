#include <QCoreApplication>

#include <gtest/gtest.h>

#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

namespace {

// GoogleTest keeps what a death test's child writes in /tmp, whatever TMPDIR says. Where /tmp
// cannot be written (a sandbox with a read-only root), root gives this process a private one.
void makeTmpWritable()
{
    if (::access("/tmp", W_OK) == 0 || ::geteuid() != 0)
        return;
    if (::unshare(CLONE_NEWNS) == 0 &&
        ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0)
        ::mount("none", "/tmp", "tmpfs", 0, "size=64m");
}

} // namespace

int main(int argc, char **argv)
{
    makeTmpWritable();
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
