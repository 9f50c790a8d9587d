#include "app/core/FontEx.h"

namespace {

// The numbers' fields in the order the profile stores them.
constexpr std::array<int CFontDescription::*, CFontDescription::kNumberCount> kNumberFields{
    &CFontDescription::height,        &CFontDescription::width,         &CFontDescription::escapement,
    &CFontDescription::orientation,   &CFontDescription::weight,        &CFontDescription::italic,
    &CFontDescription::underline,     &CFontDescription::strikeOut,     &CFontDescription::charSet,
    &CFontDescription::outPrecision,  &CFontDescription::clipPrecision, &CFontDescription::quality,
    &CFontDescription::pitchAndFamily};

} // namespace

std::array<int, CFontDescription::kNumberCount> CFontDescription::Numbers() const {
    std::array<int, kNumberCount> numbers{};
    for (std::size_t i = 0; i < numbers.size(); ++i)
        numbers[i] = this->*kNumberFields[i];
    return numbers;
}

void CFontDescription::SetNumbers(const std::array<int, kNumberCount>& numbers) {
    for (std::size_t i = 0; i < numbers.size(); ++i)
        this->*kNumberFields[i] = numbers[i];
}
