// Reading and writing the start file on disk.
#pragma once

#include <QString>
#include <optional>

#include "app/core/start_file.h"

class QSaveFile;

namespace app {

// Why the start file could not be written, as far as the user can act on it.
enum class StartFileWriteError {
    NoPermission,       // the folder or the file may not be written, or the disk is read-only
    NameTakenByFolder,  // a folder stands where the file should be
    FolderMissing,      // the folder that should hold the file does not exist
    DiskFull,           // no space left on the disk, or the user's quota used up
    Other,              // any other failure of the disk or the file system
};

// A write of the start file that failed. The old file, if there was one, is untouched.
struct StartFileWriteFailure {
    StartFileWriteError error = StartFileWriteError::Other;
    QString path;    // the start file's full path
    QString detail;  // the failing step and the system's own words for it, for the log
};

// Reads the start file at `path`. A missing file, one that is not a regular file, or one
// that cannot be opened yields no fields; only the beginning of a very large file is read.
StartFileFields readStartFileAt(const QString& path);

// Replaces the start file at `path` with `line` atomically: the line is written to a new
// file beside it, stored on the disk, and only then put in place of the old one, so a write
// that fails at any step leaves the previous file as it was. Returns nothing on success,
// otherwise what failed.
std::optional<StartFileWriteFailure> writeStartFileAt(const QString& path, const std::string& line);

// The step of writeStartFileAt that opens the new file beside the start file: QSaveFile::open
// for writing, unless a test has put another in its place. Like it, returns whether the file
// is open, with errno set when it is not.
using StartFileOpenCall = bool (*)(QSaveFile& file);

// Given a call, or nullptr for the ordinary opening; makes writeStartFileAt use it from now on
// and returns the one it used before. For tests that make the folder refuse the file whoever
// runs them (permissions do not stop the superuser); the program never calls it.
StartFileOpenCall replaceStartFileOpenCall(StartFileOpenCall call);

}  // namespace app
