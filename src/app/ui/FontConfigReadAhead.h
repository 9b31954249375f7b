#pragma once

#include <thread>

// Reads the system's font configuration on a second thread while the application object is
// made. The first control with text would otherwise read it, some milliseconds of parsing
// before the window can paint; Qt later finds it read. Where the system has no fontconfig
// (Windows) it reads nothing.
class FontConfigReadAhead {
public:
    // Made before the application object, so the two overlap.
    FontConfigReadAhead();

    // Waits until the configuration is read. Qt must not ask for it before: two readers at once
    // would each read it whole.
    void wait();

    // A member that waits in its constructor, between members that may run alongside the read
    // and those that need fonts.
    struct Read {
        explicit Read(FontConfigReadAhead &readAhead) { readAhead.wait(); }
    };

private:
    std::jthread worker_;
};
