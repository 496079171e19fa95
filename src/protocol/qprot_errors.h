#pragma once

#include <stdexcept>
#include <string>

namespace qvs {

// Raised by the packet getters and the number conversions; each carries the offending text.
class QProtError : public std::runtime_error {
public:
    QProtError(const std::string& message, std::string text)
        : std::runtime_error(message), m_text(std::move(text)) {}
    const std::string& Text() const { return m_text; }

private:
    std::string m_text;
};

// A wanted value is not closed by a "," before the end of the packet text.
class MalformedPacketError : public QProtError {
public:
    explicit MalformedPacketError(std::string packet);
};

// Base of the two conversion errors, so callers may catch either.
class ConversionError : public QProtError {
public:
    using QProtError::QProtError;
};

// "'%s' is not a valid integer value"
class IntegerConversionError : public ConversionError {
public:
    explicit IntegerConversionError(std::string text);
};

// "'%s' is not a valid floating point value"
class FloatConversionError : public ConversionError {
public:
    explicit FloatConversionError(std::string text);
};

}  // namespace qvs
