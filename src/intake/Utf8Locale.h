#pragma once

#if !defined(_WIN32)
#include <locale.h>
#endif

// While it lives, the calling thread's character set is UTF-8, whatever the process locale is:
// libarchive converts entry names to that character set, and a "C" locale would lose every name
// outside ASCII. (On Windows libarchive keeps names in UTF-16 and needs nothing.)
class Utf8Locale {
public:
#if defined(_WIN32)
    Utf8Locale() = default;
#else
    Utf8Locale()
        : utf8_(newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t{})),
          previous_(utf8_ ? uselocale(utf8_) : locale_t{})
    {
    }
    ~Utf8Locale()
    {
        if (utf8_) {
            uselocale(previous_);
            freelocale(utf8_);
        }
    }
#endif
    Utf8Locale(const Utf8Locale &) = delete;
    Utf8Locale &operator=(const Utf8Locale &) = delete;

#if !defined(_WIN32)
private:
    locale_t utf8_;
    locale_t previous_;
#endif
};
