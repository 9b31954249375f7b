#pragma once

// Fixed capacities. Past one of them the program refuses with a message rather than store,
// copy or delete part of a package.
namespace capacity {

inline constexpr int kFilesPerList = 4000;     // files of one kind, and of a whole package
inline constexpr int kAircraftCfgLines = 1000; // lines of aircraft.cfg kept for a rewrite
inline constexpr int kConfigurations = 1000;   // configurations of one aircraft.cfg

} // namespace capacity
