// What the user is told when the place could not be kept in the start file.
#pragma once

#include <QString>

#include "app/main_window/start_file/start_file_io.h"

namespace app {

// Given a failed write of the start file; returns the message in Japanese: that the next
// start will not open on this place, the reason in the user's words, and the file's full
// path. The system's own (English) words for the failure are left out.
QString startFileFailureMessage(const StartFileWriteFailure& failure);

// Given a failed write of a file through writeStartFileAt (the start file or any other);
// returns the sentence in Japanese that names the reason.
QString startFileFailureReason(const StartFileWriteFailure& failure);

}  // namespace app
