// Makes the disk fail to store a file's data (fdatasync failing), or the folder refuse the
// start file's new file (its opening failing), for the life of an object.
#pragma once

#include <cerrno>

#include "app/main_window/start_file/file_data_sync.h"
#include "app/main_window/start_file/start_file_io.h"

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

class OpenFault {
  public:
    // Given an errno; every opening of the start file's new file fails with it, as a folder
    // the user may not write to makes it fail (EACCES), until the object goes away.
    explicit OpenFault(int error) : previous_(app::replaceStartFileOpenCall(&failingOpen)) {
        error_ = error;
    }
    ~OpenFault() { app::replaceStartFileOpenCall(previous_); }
    OpenFault(const OpenFault&) = delete;
    OpenFault& operator=(const OpenFault&) = delete;

  private:
    static bool failingOpen(QSaveFile& /*file*/) {
        errno = error_;
        return false;
    }

    static inline int error_ = 0;
    app::StartFileOpenCall previous_;
};
