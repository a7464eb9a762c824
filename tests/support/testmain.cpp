#include <gmock/gmock.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    // Widgets never need a display in tests.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::testing::InitGoogleMock(&argc, argv);
    return RUN_ALL_TESTS();
}
