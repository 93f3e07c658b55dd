#include "app/main_window/start_file/start_file_io.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cerrno>
#include <chrono>
#include <future>

#include "tests/app/main_window/start_file/sync_fault.h"

namespace app {
namespace {

const std::string TOKYO_LINE = startFileLine(12, "35.65", "139.75");

class StartFileOnDisk : public ::testing::Test {
  protected:
    // Given a file name; returns its path in the test's own directory.
    QString pathOf(const QString& name) const { return directory_.filePath(name); }

    // Given a path and bytes; writes the bytes to a plain file there.
    static void putFile(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    // Given a path; returns the whole contents of the file there.
    static QByteArray contentsOf(const QString& path) {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        return file.readAll();
    }

    // Given nothing; returns the names in the test's directory.
    QStringList entries() const {
        return QDir(directory_.path())
            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);
    }

    QTemporaryDir directory_;
};

// Given the result of a write; returns the failure's details for a test's message.
std::string describe(const std::optional<StartFileWriteFailure>& failure) {
    return failure ? failure->detail.toStdString() : std::string("no failure");
}

// Given read fields; returns whether none was read.
bool isEmpty(const StartFileFields& fields) {
    return !fields.listPosition && !fields.latitude && !fields.longitude;
}

// ---- Reading ------------------------------------------------------------------------------

TEST_F(StartFileOnDisk, MissingFileGivesNoFields) {
    EXPECT_TRUE(isEmpty(readStartFileAt(pathOf("pstart.txt"))));
    EXPECT_TRUE(isEmpty(readStartFileAt(QString())));
}

TEST_F(StartFileOnDisk, DirectoryAtThePathGivesNoFields) {
    ASSERT_TRUE(QDir(directory_.path()).mkdir("pstart.txt"));
    EXPECT_TRUE(isEmpty(readStartFileAt(pathOf("pstart.txt"))));
}

TEST_F(StartFileOnDisk, FifoAtThePathGivesNoFieldsWithoutWaiting) {
    const QByteArray fifo = QFile::encodeName(pathOf("pstart.txt"));
    ASSERT_EQ(mkfifo(fifo.constData(), 0600), 0);
    auto reading =
        std::async(std::launch::async, [&] { return readStartFileAt(pathOf("pstart.txt")); });
    if (reading.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
        // Let the blocked reader go by opening the other end, then fail.
        const int writer = open(fifo.constData(), O_WRONLY | O_NONBLOCK);
        if (writer >= 0) close(writer);
        FAIL() << "reading a FIFO waited for a writer";
    }
    EXPECT_TRUE(isEmpty(reading.get()));
}

TEST_F(StartFileOnDisk, ReadsTheFirstLineOfAFile) {
    putFile(pathOf("pstart.txt"), QByteArray(" 48           43.5          -12.25\r\nrest"));
    const StartFileFields read = readStartFileAt(pathOf("pstart.txt"));
    EXPECT_EQ(read.listPosition, 48);
    EXPECT_EQ(read.latitude, 43.5);
    EXPECT_EQ(read.longitude, -12.25);
}

TEST_F(StartFileOnDisk, HugeFileIsReadOnlyAtItsBeginning) {
    constexpr int TEN_MEGABYTES = 10 * 1024 * 1024;
    putFile(pathOf("pstart.txt"),
            QByteArray::fromStdString(TOKYO_LINE) + QByteArray(TEN_MEGABYTES, 'x'));
    EXPECT_EQ(readStartFileAt(pathOf("pstart.txt")).longitude, 139.75);
    // Fields beyond the first 64 KiB are never reached.
    putFile(pathOf("far.txt"), QByteArray(TEN_MEGABYTES, ' ') + "48 1 2");
    EXPECT_TRUE(isEmpty(readStartFileAt(pathOf("far.txt"))));
}

// ---- Writing ------------------------------------------------------------------------------

TEST_F(StartFileOnDisk, WrittenLineReadsBack) {
    const std::string line = startFileLine(48, "43.5", "-12.25");
    const std::optional<StartFileWriteFailure> failure =
        writeStartFileAt(pathOf("pstart.txt"), line);
    EXPECT_FALSE(failure) << describe(failure);
    EXPECT_EQ(contentsOf(pathOf("pstart.txt")), QByteArray::fromStdString(line));
    const StartFileFields read = readStartFileAt(pathOf("pstart.txt"));
    EXPECT_EQ(read.listPosition, 48);
    EXPECT_EQ(read.latitude, 43.5);
    EXPECT_EQ(read.longitude, -12.25);
    EXPECT_EQ(entries(), QStringList{"pstart.txt"});  // no temporary file left beside it
}

TEST_F(StartFileOnDisk, WriteReplacesTheOldContent) {
    putFile(pathOf("pstart.txt"), QByteArray(1000, '7'));
    const std::optional<StartFileWriteFailure> failure =
        writeStartFileAt(pathOf("pstart.txt"), TOKYO_LINE);
    EXPECT_FALSE(failure) << describe(failure);
    EXPECT_EQ(contentsOf(pathOf("pstart.txt")), QByteArray::fromStdString(TOKYO_LINE));
}

TEST_F(StartFileOnDisk, DirectoryInTheWayFailsAndSurvives) {
    QDir(directory_.path()).mkdir("pstart.txt");
    putFile(pathOf("pstart.txt/inside"), "kept");
    const std::optional<StartFileWriteFailure> failure =
        writeStartFileAt(pathOf("pstart.txt"), TOKYO_LINE);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->error, StartFileWriteError::NameTakenByFolder) << describe(failure);
    EXPECT_EQ(failure->path, QFileInfo(pathOf("pstart.txt")).absoluteFilePath());
    EXPECT_TRUE(QFileInfo(pathOf("pstart.txt")).isDir());
    EXPECT_EQ(contentsOf(pathOf("pstart.txt/inside")), QByteArray("kept"));
    EXPECT_EQ(entries(), QStringList{"pstart.txt"});
}

// A folder that does not exist, and one the system cannot follow (a link to itself, ELOOP),
// are both a folder not found.
TEST_F(StartFileOnDisk, UnreachableDirectoryFailsAndCreatesNothing) {
    ASSERT_EQ(symlink("loop", QFile::encodeName(pathOf("loop")).constData()), 0);
    for (const char* folder : {"missing", "loop"}) {
        const std::optional<StartFileWriteFailure> failure =
            writeStartFileAt(pathOf(QString::fromLatin1(folder) + "/pstart.txt"), TOKYO_LINE);
        ASSERT_TRUE(failure) << folder;
        EXPECT_EQ(failure->error, StartFileWriteError::FolderMissing) << describe(failure);
    }
    EXPECT_EQ(entries(), QStringList{"loop"});
}

// A write that fails half-way, here because the process may not make files longer than a few
// bytes, must leave the previous file as it was.
TEST_F(StartFileOnDisk, PreviousFileSurvivesAFailedWrite) {
    const QByteArray previous = QByteArray::fromStdString(startFileLine(52, "37.55", "126.97"));
    putFile(pathOf("pstart.txt"), previous);

    rlimit original{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &original), 0);
    rlimit tiny = original;
    tiny.rlim_cur = 4;
    const sighandler_t oldHandler = signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tiny), 0);
    const std::optional<StartFileWriteFailure> failure =
        writeStartFileAt(pathOf("pstart.txt"), TOKYO_LINE);
    setrlimit(RLIMIT_FSIZE, &original);
    signal(SIGXFSZ, oldHandler);

    EXPECT_TRUE(failure);
    EXPECT_EQ(contentsOf(pathOf("pstart.txt")), previous);
    EXPECT_EQ(entries(), QStringList{"pstart.txt"});
}

// The data of the new file must be stored on the disk before it takes the old one's place: a
// disk that cannot store it (EIO from a failing disk, ENOSPC from a network file system)
// fails the write and leaves the old file byte for byte, or no file when there was none.
TEST_F(StartFileOnDisk, FailedSyncKeepsTheOldFile) {
    const QByteArray previous = QByteArray::fromStdString(startFileLine(52, "37.55", "126.97"));
    putFile(pathOf("pstart.txt"), previous);
    {
        const SyncFault fault(EIO);
        const std::optional<StartFileWriteFailure> failure =
            writeStartFileAt(pathOf("pstart.txt"), TOKYO_LINE);
        EXPECT_EQ(SyncFault::calls(), 1);
        ASSERT_TRUE(failure);
        EXPECT_EQ(failure->error, StartFileWriteError::Other) << describe(failure);
        EXPECT_EQ(failure->path, QFileInfo(pathOf("pstart.txt")).absoluteFilePath());
    }
    EXPECT_EQ(contentsOf(pathOf("pstart.txt")), previous);
    EXPECT_EQ(entries(), QStringList{"pstart.txt"});

    QFile::remove(pathOf("pstart.txt"));
    {
        const SyncFault fault(ENOSPC);
        EXPECT_TRUE(writeStartFileAt(pathOf("pstart.txt"), TOKYO_LINE));
    }
    EXPECT_TRUE(entries().isEmpty());
}

// The reason of a failed step is told from its errno, not from the system's words.
TEST_F(StartFileOnDisk, FailedStepNamesItsReason) {
    const std::pair<int, StartFileWriteError> cases[] = {
        {EACCES, StartFileWriteError::NoPermission}, {EPERM, StartFileWriteError::NoPermission},
        {EROFS, StartFileWriteError::NoPermission},  {ENOSPC, StartFileWriteError::DiskFull},
        {EDQUOT, StartFileWriteError::DiskFull},     {EIO, StartFileWriteError::Other},
        {EBADF, StartFileWriteError::Other},
    };
    for (const auto& [error, expected] : cases) {
        const SyncFault fault(error);
        const std::optional<StartFileWriteFailure> failure =
            writeStartFileAt(pathOf("pstart.txt"), TOKYO_LINE);
        ASSERT_TRUE(failure) << error;
        EXPECT_EQ(failure->error, expected) << describe(failure);
        EXPECT_TRUE(failure->detail.contains(pathOf("pstart.txt"))) << describe(failure);
    }
}

// A sync interrupted by a signal is made again, and the write then succeeds.
int interruptionsLeft = 0;

int interruptedThenSynced(int fileDescriptor) {
    if (interruptionsLeft > 0) {
        --interruptionsLeft;
        errno = EINTR;
        return -1;
    }
    return fdatasync(fileDescriptor);
}

TEST_F(StartFileOnDisk, InterruptedSyncIsMadeAgain) {
    interruptionsLeft = 2;
    const FileDataSyncCall previous = replaceFileDataSyncCall(&interruptedThenSynced);
    const std::optional<StartFileWriteFailure> failure =
        writeStartFileAt(pathOf("pstart.txt"), TOKYO_LINE);
    replaceFileDataSyncCall(previous);
    EXPECT_EQ(interruptionsLeft, 0);
    EXPECT_FALSE(failure) << describe(failure);
    EXPECT_EQ(contentsOf(pathOf("pstart.txt")), QByteArray::fromStdString(TOKYO_LINE));
}

// A folder the user may not write to refuses the new file as it is opened. The refusal is
// injected, since permissions do not stop the superuser.
TEST_F(StartFileOnDisk, ReadOnlyFolderIsToldAsNoPermission) {
    const QByteArray previous = QByteArray::fromStdString(startFileLine(52, "37.55", "126.97"));
    putFile(pathOf("pstart.txt"), previous);
    const OpenFault fault(EACCES);
    const std::optional<StartFileWriteFailure> failure =
        writeStartFileAt(pathOf("pstart.txt"), TOKYO_LINE);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->error, StartFileWriteError::NoPermission) << describe(failure);
    EXPECT_EQ(contentsOf(pathOf("pstart.txt")), previous);
}

}  // namespace
}  // namespace app
