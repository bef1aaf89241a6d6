// The start-up yardstick of ./bench: a C++ program that links the same C++
// runtime as almucan and writes one line, timed by hyperfine beside it.
#include <iostream>

int main() {
    std::cout << "almucan\n";
    return 0;
}
