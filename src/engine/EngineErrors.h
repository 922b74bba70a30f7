#pragma once

#include <stdexcept>

namespace kalvio {

// A value that does not convert (a number text, a decimal that is no 32-bit integer).
class EConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// An integer quotient or remainder by zero, or one whose result cannot be held; raised instead
// of letting the machine divide by zero. The calculator shows "Error".
class EIntegerDivisionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace kalvio
