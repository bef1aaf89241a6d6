// Test programs that run in the locale of their environment, as the
// program does once Qt has started (the "locale" label sets de_DE).
#include <gtest/gtest.h>

#include <clocale>

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
