// The place a start begins at, from what the start file yielded.
#pragma once

#include "app/core/start_file.h"

namespace app {

// The start file's name; it is looked for in the working directory.
inline constexpr char START_FILE_NAME[] = "pstart.txt";

// The list position selected at start and the coordinates put in the boxes (degrees).
struct StartPlace {
    int listPosition;
    double latitude;
    double longitude;
};

// The place of a start: 東京 where the file gave no position, or one that names no place
// (a file edited by hand, or -1 for no selection); the listed place's coordinates for a
// place of the list; and for "入力" the file's coordinates, 東京's standing in for a missing
// one.
StartPlace startPlaceOf(const StartFileFields& saved);

}  // namespace app
