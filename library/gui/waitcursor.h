#pragma once

namespace utils {

// Shows the wait cursor for the length of one blocking operation. Guards
// nest on the application's override-cursor stack; each pops exactly one
// entry, the top one, once.
class WaitCursor
{
public:
    // true pushes a wait cursor; false pops the top override cursor at once
    // and leaves the guard with nothing to restore.
    explicit WaitCursor(bool setCursor);
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

    // Pops the cursor unless this guard has already done so.
    void restore();

private:
    bool m_restored;
};

}  // namespace utils
