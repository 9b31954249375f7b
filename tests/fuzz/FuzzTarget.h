#pragma once

// A fuzz target is written once as FUZZ_TARGET(name) { ... }, reading data and size. Built with
// WINGSTASH_LIBFUZZER it is the libFuzzer entry of its own executable; otherwise it registers
// under its name, and the logic tests replay every file of tests/fuzz/corpus/<name>/ through
// it. FUZZ_CHECK states an invariant: broken, it aborts under libFuzzer and fails the replay.

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <stdexcept>
#include <string>

using FuzzFunction = void (*)(const std::uint8_t *data, std::size_t size);

inline QByteArray fuzzBytes(const std::uint8_t *data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
}

#ifdef WINGSTASH_LIBFUZZER

[[noreturn]] inline void fuzzCheckFailed(const char *condition, const char *file, int line)
{
    std::fprintf(stderr, "%s:%d: invariant broken: %s\n", file, line, condition);
    std::abort();
}

#define FUZZ_TARGET(name)                                                                          \
    static void fuzzOne(const std::uint8_t *data, std::size_t size);                               \
    extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)              \
    {                                                                                              \
        fuzzOne(data, size);                                                                       \
        return 0;                                                                                  \
    }                                                                                              \
    static void fuzzOne(const std::uint8_t *data, std::size_t size)

#else

struct FuzzCheckFailure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

[[noreturn]] inline void fuzzCheckFailed(const char *condition, const char *file, int line)
{
    throw FuzzCheckFailure(std::string(file) + ':' + std::to_string(line) + ": " + condition);
}

// The registered targets by name, for the corpus replay.
inline std::map<std::string, FuzzFunction> &fuzzTargets()
{
    static std::map<std::string, FuzzFunction> targets;
    return targets;
}

inline bool registerFuzzTarget(const char *name, FuzzFunction target)
{
    fuzzTargets()[name] = target;
    return true;
}

#define FUZZ_TARGET(name)                                                                          \
    static void fuzzOne(const std::uint8_t *data, std::size_t size);                               \
    [[maybe_unused]] static const bool fuzzRegistered = registerFuzzTarget(#name, fuzzOne);        \
    static void fuzzOne(const std::uint8_t *data, std::size_t size)

#endif

#define FUZZ_CHECK(condition)                                                                      \
    ((condition) ? void() : fuzzCheckFailed(#condition, __FILE__, __LINE__))
