#include "shell/CommandLine.hpp"

#include <iostream>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    return velora::CommandLine().run({argv + 1, argv + argc}, std::cout, std::cerr);
}
