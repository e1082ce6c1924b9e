#pragma once

#include "model/Result.h"

#include <QString>

#include <memory>

namespace belltide {

class School;

// The example school with every class and special repeated `copies` times and
// as many lunch seats per copy: 20, 40 and 80 classes of the same shape.
Result<std::shared_ptr<School>> ScaledExampleSchool(std::int32_t copies);

// Turns off the two limits a class brings (the specials' most students and
// the interrupt-free time), to compare the searches with and without them.
void WithoutClassLimits(School& school);

} // namespace belltide
