// Reading and writing whole files.
#pragma once
#include <string>

namespace marevisk {

// The file's bytes; empty when the path is empty or the file cannot be opened or read.
// `reason`, when given, says why nothing came back (files over the picture limit are refused).
std::string ReadWholeFile(const std::string& path, std::string* reason = nullptr);

// Writes `bytes` to `path` through a temporary file beside it that is renamed into place, so a
// failure never leaves a shortened file and never destroys an existing one. False on failure,
// with `reason` saying why when given.
bool WriteWholeFile(const std::string& path, const std::string& bytes,
                    std::string* reason = nullptr);

}  // namespace marevisk
