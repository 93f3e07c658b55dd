// The day's events and the Moon's age against the reference, over 1900-2100 at
// pseudo-random places within 60 degrees of the equator: prints the Markdown tables and
// writes each event's difference to a CSV file.
#pragma once

#include <cstdint>
#include <string>

namespace accuracy {

struct EventSettings {
    long days;  // place-dates compared
    std::uint64_t seed;
    std::string csvPath;
};

// Runs the comparison and prints it. Returns false when the CSV file cannot be written.
bool compareDayEvents(const EventSettings& settings);

}  // namespace accuracy
