#pragma once

#include <string>
#include <string_view>

namespace velmora {

// A loosely typed cell: a number or a text, as the game's tables and cards hold them.
// Numeric 0 and the text "0" both count as empty.
class Value {
public:
    Value() = default;
    Value(double number) : m_number(number) {}
    Value(int number) : m_number(number) {}
    Value(long number) : m_number(static_cast<double>(number)) {}
    Value(long long number) : m_number(static_cast<double>(number)) {}
    Value(std::string text) : m_text(std::move(text)), m_isText(true) {}
    Value(std::string_view text) : m_text(text), m_isText(true) {}
    Value(const char* text) : m_text(text), m_isText(true) {}

    bool isText() const { return m_isText; }
    // True for numeric 0 and for the text "0" (and for the empty text).
    bool isEmpty() const;

    // The value as text; whole numbers print without decimals ("12", not "12.0").
    std::string str() const;
    // The text of a text value, without a copy (empty for a number).
    const std::string& text() const { return m_text; }
    // The value as a number; a text that is not a number reads as 0.
    double num() const;
    // The value rounded to a whole number, halves to the even neighbour.
    long long toInt() const;

    // Compares as texts: the way the game compares cells with quoted literals.
    bool is(std::string_view text) const { return str() == text; }

    bool operator==(const Value& other) const;

private:
    double m_number = 0;
    std::string m_text;
    bool m_isText = false;
};

// Whole-number formatting used wherever a number is shown or spliced into SQL.
std::string numberText(double number);
// Rounds to the nearest whole number, halves to the even neighbour.
long long roundEven(double number);

} // namespace velmora
