// Forcing a file's data out to the disk before the file takes an older one's place.
#pragma once

namespace app {

// Given an open file descriptor; waits until the file's data is stored on the disk
// (fdatasync, made again when a signal interrupts it). Returns 0 when it is stored, otherwise
// the errno of the failure (EIO from a failing disk, ENOSPC or EDQUOT from a file system that
// could not store it, ...).
int syncFileData(int fileDescriptor);

// The system call syncFileData makes: ::fdatasync, unless a test has put another in its place.
// Like ::fdatasync it returns 0, or -1 with errno set.
using FileDataSyncCall = int (*)(int fileDescriptor);

// Given a call, or nullptr for ::fdatasync; makes syncFileData use it from now on and returns
// the one it used before. For tests that make the disk fail; the program never calls it.
FileDataSyncCall replaceFileDataSyncCall(FileDataSyncCall call);

}  // namespace app
