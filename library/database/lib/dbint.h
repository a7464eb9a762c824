#pragma once

// A database integer column whose null value is 0.
class DbInt
{
public:
    constexpr DbInt(int value)
        : m_value(value)
    {}

    DbInt& operator=(int value)
    {
        m_value = value;
        return *this;
    }

    // The object is its int: callers hand its address to code that writes an int.
    int* operator&() { return &m_value; }

    constexpr bool operator==(int value) const { return m_value == value; }

    constexpr bool null() const { return m_value == 0; }
    void voidCol() { m_value = 0; }

    constexpr operator int() const { return m_value; }
    // Lets a caller write the value in place.
    operator int&() { return m_value; }

private:
    int m_value;
};
