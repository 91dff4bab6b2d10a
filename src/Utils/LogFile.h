#pragma once

#include <cstdio>
#include <filesystem>

namespace vrx {

// Creates or truncates the log file for binary writing, unbuffered, so that
// each write is one system call. Other programs may read the file, and
// delete it, while it is open: a log must never be what keeps a user from
// looking or cleaning up. Null when the file cannot be created.
std::FILE* createLogFile(const std::filesystem::path& path);

}  // namespace vrx
