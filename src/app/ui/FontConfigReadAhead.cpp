#include "app/ui/FontConfigReadAhead.h"

#include <QtGlobal>

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
#include <dlfcn.h>
#endif

FontConfigReadAhead::FontConfigReadAhead()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    // Looked up rather than linked: Qt's GUI library brings fontconfig wherever it uses it.
    using Init = int (*)();
    if (const auto init = reinterpret_cast<Init>(dlsym(RTLD_DEFAULT, "FcInit")))
        worker_ = std::jthread(init);
#endif
}

void FontConfigReadAhead::wait()
{
    if (worker_.joinable())
        worker_.join();
}
