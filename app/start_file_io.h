// Reading and writing the start file on disk.
#pragma once

#include <QString>

#include "app/start_file.h"

namespace app {

// Reads the start file at `path`. A missing file, one that is not a regular file, or one
// that cannot be opened yields no fields; only the beginning of a very large file is read.
StartFileFields readStartFileAt(const QString& path);

// Replaces the start file at `path` with `line` atomically: a write that fails half-way
// leaves the previous file as it was. Returns an empty text on success, otherwise a short
// description of what failed.
QString writeStartFileAt(const QString& path, const std::string& line);

}  // namespace app
