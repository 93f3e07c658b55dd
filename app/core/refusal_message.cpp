#include "app/core/refusal_message.h"

#include <array>

namespace app {

namespace {

constexpr std::array<std::string_view, astro::ENTERED_FIELD_COUNT> FIELD_NAMES = {
    "年", "月", "日", "時", "分", "秒", "緯度", "経度"};

// A date and time that together leave the range the series carry.
constexpr std::string_view INSTANT_MESSAGE =
    "日時の値が計算できる範囲を超えています。年・月・日・時・分・秒を確かめてください。";
}  // namespace

std::string_view enteredFieldName(astro::EnteredField field) {
    return field < FIELD_NAMES.size() ? FIELD_NAMES[field] : std::string_view();
}

std::string refusalMessage(const CalculationRefusal& refusal) {
    const astro::PassFault& fault = refusal.passFault;
    if (fault.kind == astro::PassFaultKind::InstantOutOfRange) return std::string(INSTANT_MESSAGE);
    return "「" + std::string(enteredFieldName(fault.field)) +
           "」の値が計算できる範囲を超えています。入力を確かめてください。";
}

}  // namespace app
