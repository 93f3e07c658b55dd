#include "app/start_file_io.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace app {

namespace {

// The most of a start file that is read. The line it holds is a few dozen bytes; a file far
// larger was not written by this program, and its beginning is all that is parsed.
constexpr qint64 START_FILE_READ_LIMIT = 64 * 1024;

// Given a path; returns whether it names a regular file (or a link to one). A directory, a
// FIFO, a socket or a device is refused before it is opened, since opening a FIFO for reading
// would wait for a writer and hold up start-up.
bool isRegularFile(const QString& path) {
    const QFileInfo info(path);
    return info.exists() && info.isFile();
}

// Given the save file that failed and what was being done; returns the description of it.
QString failureText(const QSaveFile& file, const char* step) {
    return QStringLiteral("%1 %2: %3")
        .arg(QString::fromLatin1(step), file.fileName(), file.errorString());
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
// beside it and renames that over the old file. Returns an empty text on success, otherwise
// what failed; the old file is then untouched.
QString writeStartFileAt(const QString& path, const std::string& line) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return failureText(file, "cannot open");
    if (!writeAll(file, line)) {
        const QString failure = failureText(file, "cannot write");
        file.cancelWriting();
        return failure;
    }
    if (!file.commit()) return failureText(file, "cannot replace");
    return {};
}

}  // namespace app
