#pragma once

#include <QString>
#include <string_view>

// A value taken from a table row for one press of "查找": a number, a text (bolt designation,
// the "-" of a size without that form) or empty when no row was found. Empty counts as 0 in
// arithmetic and writes the empty text.
class WorkingValue
{
public:
    constexpr WorkingValue() = default;
    constexpr WorkingValue(double number) : m_kind(Kind::Number), m_number(number) {}
    constexpr WorkingValue(const char *text) : m_kind(Kind::Text), m_text(text) {}

    constexpr bool isEmpty() const { return m_kind == Kind::Empty; }
    constexpr bool isText() const { return m_kind == Kind::Text; }

    // Empty reads 0; a text reads as typed text would.
    double number() const;
    // Empty writes ""; numbers in plain number text; texts unchanged.
    QString text() const;

    friend constexpr bool operator==(const WorkingValue &a, const WorkingValue &b)
    {
        if (a.m_kind != b.m_kind)
            return false;
        if (a.m_kind == Kind::Number)
            return a.m_number == b.m_number;
        if (a.m_kind == Kind::Text)
            return std::string_view(a.m_text) == std::string_view(b.m_text);
        return true;
    }

private:
    enum class Kind { Empty, Number, Text };
    Kind m_kind = Kind::Empty;
    double m_number = 0;
    const char *m_text = "";
};
