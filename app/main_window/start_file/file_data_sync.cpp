#include "app/main_window/start_file/file_data_sync.h"

#include <unistd.h>

#include <cerrno>

namespace app {

namespace {

// The call syncFileData makes; only the window's thread writes files, so no lock is needed.
FileDataSyncCall currentSyncCall = &::fdatasync;

}  // namespace

// Given an open file descriptor; returns 0 once its data is on the disk, else the errno.
int syncFileData(int fileDescriptor) {
    for (;;) {
        errno = 0;
        if (currentSyncCall(fileDescriptor) == 0) return 0;
        if (errno != EINTR) return errno != 0 ? errno : EIO;
    }
}

// Given a call or nullptr; puts it (or ::fdatasync) in place and returns the previous one.
FileDataSyncCall replaceFileDataSyncCall(FileDataSyncCall call) {
    const FileDataSyncCall previous = currentSyncCall;
    currentSyncCall = call != nullptr ? call : &::fdatasync;
    return previous;
}

}  // namespace app
