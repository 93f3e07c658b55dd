// Makes the disk fail to store a file's data (fdatasync failing) for the life of an object.
#pragma once

#include <cerrno>

#include "app/main_window/start_file/file_data_sync.h"

class SyncFault {
  public:
    // Given an errno; every sync of file data fails with it until the object goes away.
    explicit SyncFault(int error) : previous_(app::replaceFileDataSyncCall(&failingSync)) {
        error_ = error;
        calls_ = 0;
    }
    ~SyncFault() { app::replaceFileDataSyncCall(previous_); }
    SyncFault(const SyncFault&) = delete;
    SyncFault& operator=(const SyncFault&) = delete;

    // How many syncs were asked for while the object lived.
    static int calls() { return calls_; }

  private:
    static int failingSync(int /*fileDescriptor*/) {
        ++calls_;
        errno = error_;
        return -1;
    }

    static inline int error_ = 0;
    static inline int calls_ = 0;
    app::FileDataSyncCall previous_;
};
