#include <iostream>

int main() {
    std::cout << "Usage: veloramac [--words FILE] [--help] [--version]\n";
    return 0;
}
