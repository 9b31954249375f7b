// Runs a program and writes how long it ran and its peak memory to a file:
//   wingstash_child_runner RESULT PROGRAM [ARGUMENTS...]
// RESULT gets "<milliseconds> <peak KiB> <exit status>"; the program's output is thrown away.
// Linux counts into a new program's peak memory the peak of the process it replaced, so a
// program the large benchmark started itself would weigh at least as much as the benchmark. It
// starts them through this small program instead, which adds only its own small peak.
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

double nowMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3)
        return 2;
    const double start = nowMilliseconds();
    const pid_t child = fork();
    if (child < 0)
        return 1;
    if (child == 0) {
        const int nothing = open("/dev/null", O_WRONLY);
        dup2(nothing, 1);
        dup2(nothing, 2);
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child)
        return 1;
    const double milliseconds = nowMilliseconds() - start;
    FILE *result = std::fopen(argv[1], "w");
    if (!result)
        return 1;
    std::fprintf(result, "%.3f %ld %d\n", milliseconds, usage.ru_maxrss,
                 WIFEXITED(status) ? WEXITSTATUS(status) : 128);
    return std::fclose(result) == 0 ? 0 : 1;
}
