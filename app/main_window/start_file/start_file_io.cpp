#include "app/main_window/start_file/start_file_io.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

#include "app/main_window/start_file/file_data_sync.h"

namespace app {

namespace {

// The most of a start file that is read. The line it holds is a few dozen bytes; a file far
// larger was not written by this program, and its beginning is all that is parsed.
constexpr qint64 START_FILE_READ_LIMIT = 64 * 1024;

// Given a save file; opens it for writing and returns whether it is open.
bool openForWriting(QSaveFile& file) {
    return file.open(QIODevice::WriteOnly);
}

// The call that opens the new file; only the window's thread writes files, so no lock is
// needed.
StartFileOpenCall currentOpenCall = &openForWriting;

// Given a path; returns whether it names a regular file (or a link to one). A directory, a
// FIFO, a socket or a device is refused before it is opened, since opening a FIFO for reading
// would wait for a writer and hold up start-up.
bool isRegularFile(const QString& path) {
    const QFileInfo info(path);
    return info.exists() && info.isFile();
}

// Given the errno of a failed step (0 when the toolkit left none); returns the reason the
// user is told.
StartFileWriteError errorOfErrno(int error) {
    switch (error) {
        case EACCES:
        case EPERM:
        case EROFS:
            return StartFileWriteError::NoPermission;
        case EISDIR:
            return StartFileWriteError::NameTakenByFolder;
        case ENOENT:
        case ENOTDIR:
            return StartFileWriteError::FolderMissing;
        case ENOSPC:
        case EDQUOT:
            return StartFileWriteError::DiskFull;
        default:
            return StartFileWriteError::Other;
    }
}

// Given the start file's path and the errno of the failed step; returns the reason. A folder
// at the path or a missing folder above it is told as such whatever errno the step left,
// since the toolkit refuses a folder at the path before any system call fails.
StartFileWriteError errorAt(const QString& path, int error) {
    const QFileInfo info(path);
    if (info.isDir()) return StartFileWriteError::NameTakenByFolder;
    if (!info.absoluteDir().exists()) return StartFileWriteError::FolderMissing;
    return errorOfErrno(error);
}

// Given the path, the errno of the failed step, the step and the system's words for the
// failure; returns the failure.
StartFileWriteFailure failureAt(const QString& path, int error, const char* step,
                                const QString& systemText) {
    const QString fullPath = QFileInfo(path).absoluteFilePath();
    return {errorAt(path, error), fullPath,
            QStringLiteral("%1 %2: %3").arg(QString::fromLatin1(step), fullPath, systemText)};
}

// Given the save file whose step failed, the errno the step left and the step; returns the
// failure.
StartFileWriteFailure failureOf(const QSaveFile& file, int error, const char* step) {
    return failureAt(file.fileName(), error, step, file.errorString());
}

// Given an open save file and the line; writes the line and flushes it into the temporary
// file, and returns whether all of it got there. The flush is done here, before the commit,
// because a commit reports no short write that happens while it flushes the buffer (a full
// disk, a file size limit), and would then put a cut-off file in the old one's place.
bool writeAll(QSaveFile& file, const std::string& line) {
    const qint64 size = static_cast<qint64>(line.size());
    return file.write(line.data(), size) == size && file.flush() &&
           file.error() == QFileDevice::NoError;
}

}  // namespace

// Given the path of the start file; returns the fields its first 64 KiB yield, or no fields
// when there is no regular file there or it cannot be opened.
StartFileFields readStartFileAt(const QString& path) {
    if (!isRegularFile(path)) return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.isSequential()) return {};
    const QByteArray contents = file.read(START_FILE_READ_LIMIT);
    return parseStartFile(std::string_view(contents.constData(), contents.size()));
}

// Given the path of the start file and the line to hold; writes the line to a temporary file
// beside it, stores it on the disk and renames it over the old file. Returns nothing on
// success, otherwise what failed; the old file is then untouched. Each step clears errno
// first, so that the errno left after a failure is that step's own.
std::optional<StartFileWriteFailure> writeStartFileAt(const QString& path,
                                                      const std::string& line) {
    QSaveFile file(path);
    errno = 0;
    if (!currentOpenCall(file)) return failureOf(file, errno, "cannot open");
    errno = 0;
    if (!writeAll(file, line)) {
        const StartFileWriteFailure failure = failureOf(file, errno, "cannot write");
        file.cancelWriting();
        return failure;
    }
    // The commit syncs the data too, but goes on to replace the old file when that fails
    // (a failing disk, a network file system that could not store it): after a crash the
    // start file would then be empty or torn. So the data is synced here first, and a
    // failure leaves the old file in place.
    if (const int error = syncFileData(file.handle()); error != 0) {
        file.cancelWriting();
        return failureAt(path, error, "cannot store", QString::fromLocal8Bit(std::strerror(error)));
    }
    errno = 0;
    if (!file.commit()) return failureOf(file, errno, "cannot replace");
    return std::nullopt;
}

// Given a call or nullptr; puts it (or the ordinary opening) in place and returns the previous
// one.
StartFileOpenCall replaceStartFileOpenCall(StartFileOpenCall call) {
    const StartFileOpenCall previous = currentOpenCall;
    currentOpenCall = call != nullptr ? call : &openForWriting;
    return previous;
}

}  // namespace app
