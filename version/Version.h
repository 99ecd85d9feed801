#pragma once

// The program's version, set in one place (the top CMakeLists.txt) and compiled
// into one generated file, so that a new version rebuilds that file alone.
namespace version {

int major();
int minor();
int patch();
const char* text(); // "major.minor.patch"

} // namespace version
