#include "app/ui/FontConfigReadAhead.h"

#ifdef WINGSTASH_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

FontConfigReadAhead::FontConfigReadAhead()
{
#ifdef WINGSTASH_FONTCONFIG
    worker_ = std::jthread(FcInit);
#endif
}

void FontConfigReadAhead::wait()
{
    if (worker_.joinable())
        worker_.join();
}
