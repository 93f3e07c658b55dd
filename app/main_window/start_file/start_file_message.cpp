#include "app/main_window/start_file/start_file_message.h"

#include <QDir>
#include <QFileInfo>

namespace app {

namespace {

// Given a failed write; returns the sentence that names its reason.
QString reasonText(const StartFileWriteFailure& failure) {
    const QString folder = QDir::toNativeSeparators(QFileInfo(failure.path).absolutePath());
    switch (failure.error) {
        case StartFileWriteError::NoPermission:
            return QStringLiteral("フォルダー「%1」への書き込みの許可がありません。").arg(folder);
        case StartFileWriteError::NameTakenByFolder:
            return QStringLiteral("同じ名前のフォルダーがあるため、ファイルを作れません。");
        case StartFileWriteError::FolderMissing:
            return QStringLiteral("保存先のフォルダー「%1」が見つかりません。").arg(folder);
        case StartFileWriteError::DiskFull:
            return QStringLiteral("ディスクの空き容量が足りません。");
        case StartFileWriteError::Other:
            break;
    }
    return QStringLiteral("ディスクに書き込めませんでした。");
}

}  // namespace

// Given a failed write; returns the three lines the user is shown.
QString startFileFailureMessage(const StartFileWriteFailure& failure) {
    return QStringLiteral("場所を保存できなかったため、次回は今回の場所で始まりません。") +
           QStringLiteral("\n理由：") + reasonText(failure) + QStringLiteral("\nファイル：") +
           QDir::toNativeSeparators(failure.path);
}

QString startFileFailureReason(const StartFileWriteFailure& failure) {
    return reasonText(failure);
}

}  // namespace app
