#include "data/Value.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace velmora {

long long roundEven(double number) { return static_cast<long long>(std::nearbyint(number)); }

std::string numberText(double number) {
    if (std::isfinite(number) && number == std::floor(number) && std::fabs(number) < 1e15) {
        return std::to_string(static_cast<long long>(number));
    }
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", number);
    return buffer;
}

bool Value::isEmpty() const {
    if (m_isText) return m_text.empty() || m_text == "0";
    return m_number == 0;
}

std::string Value::str() const { return m_isText ? m_text : numberText(m_number); }

double Value::num() const {
    if (!m_isText) return m_number;
    const char* begin = m_text.c_str();
    char* end = nullptr;
    double parsed = std::strtod(begin, &end);
    return end == begin ? 0.0 : parsed;
}

long long Value::toInt() const { return roundEven(num()); }

bool Value::operator==(const Value& other) const {
    if (!m_isText && !other.m_isText) return m_number == other.m_number;
    return str() == other.str();
}

} // namespace velmora
