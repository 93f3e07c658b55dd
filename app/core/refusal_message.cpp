#include "app/core/refusal_message.h"

#include <array>

namespace app {

namespace {

constexpr std::array<std::string_view, astro::ENTERED_FIELD_COUNT> FIELD_NAMES = {
    "年", "月", "日", "時", "分", "秒", "緯度", "経度"};

// A year, or an instant, outside the years the boxes carry.
constexpr std::string_view YEAR_MESSAGE =
    "「年」の値が計算できる範囲（-32768年3月1日～32767年12月31日）を超えています。"
    "入力を確かめてください。";
// A date and time that together leave the range the series carry.
constexpr std::string_view INSTANT_MESSAGE =
    "日時の値が計算できる範囲を超えています。年・月・日・時・分・秒を確かめてください。";
constexpr std::string_view LATITUDE_MESSAGE =
    "「緯度」の値は -90～90 度の範囲で入力してください（北緯が正、南緯が負）。";

}  // namespace

std::string_view enteredFieldName(astro::EnteredField field) {
    return field < FIELD_NAMES.size() ? FIELD_NAMES[field] : std::string_view();
}

std::string refusalMessage(const CalculationRefusal& refusal) {
    switch (refusal.kind) {
        case RefusalKind::InstantBeyondYears:
            return std::string(YEAR_MESSAGE);
        case RefusalKind::LatitudeBeyondPole:
            return std::string(LATITUDE_MESSAGE);
        case RefusalKind::PassFault:
            break;
    }
    const astro::PassFault& fault = refusal.passFault;
    if (fault.kind == astro::PassFaultKind::InstantOutOfRange) return std::string(INSTANT_MESSAGE);
    if (fault.kind == astro::PassFaultKind::OutsideSixteenBits && fault.field == astro::YEAR) {
        return std::string(YEAR_MESSAGE);
    }
    return "「" + std::string(enteredFieldName(fault.field)) +
           "」の値が計算できる範囲を超えています。入力を確かめてください。";
}

}  // namespace app
