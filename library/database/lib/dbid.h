#pragma once

#include <climits>

// A record id whose null value travels inside the int itself.
class DbId
{
public:
    // No id: the field is absent or was never set.
    static constexpr int m_NullId = INT_MIN;
    // The root: an item that has no parent.
    static constexpr int m_RootId = INT_MIN + 1;

    constexpr DbId(int value)
        : m_value(value)
    {}

    DbId& operator=(int value)
    {
        m_value = value;
        return *this;
    }

    // The object is its int: callers hand its address to code that writes an int.
    int* operator&() { return &m_value; }

    constexpr bool operator==(int value) const { return m_value == value; }
    constexpr bool operator!=(int value) const { return m_value != value; }

    constexpr bool null() const { return m_value == m_NullId; }
    void voidCol() { m_value = m_NullId; }

    constexpr operator int() const { return m_value; }

private:
    int m_value;
};
