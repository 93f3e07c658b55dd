// The year's phases, solar terms and 雑節 as an iCalendar file (RFC 5545) for a calendar
// program.
#pragma once

#include <string>
#include <string_view>

namespace app {

// The calendar of the JST year `year`: an event for every phase and solar term at its UTC
// instant to the minute (the minute the month table shows), and for every 雑節, at its
// instant when it has one, else as an all-day event on its JST date. Summaries in Japanese;
// each UID is made from the event's date and kind, so that the file made again gives the
// same UIDs; the same year always gives the same text. Lines end in CR LF and are folded at
// 75 octets. The empty text outside the almanac's years.
std::string almanacCalendar(int year);

// One content line folded as RFC 5545 asks: no line longer than 75 octets without its CR LF,
// each continuation beginning with a space, never inside a UTF-8 character; CR LF at the end.
std::string foldedLine(std::string_view line);

// A TEXT value with its backslashes, semicolons, commas and line ends escaped.
std::string escapedText(std::string_view text);

}  // namespace app
