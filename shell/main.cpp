#include "platform/DocumentImport.hpp"

#include <cstring>
#include <filesystem>
#include <iostream>

namespace {

void printUsage() {
    std::cout << "Usage: veloramac [--extract FILE] [--help] [--version]\n";
}

// Prints the text the reader would load from the file.
int extract(const char* file) {
    const auto text = velora::DocumentImport::readFile(file);
    if (!text || text->empty()) {
        std::cerr << "Couldn't read " << std::filesystem::path(file).filename().string() << '\n';
        return 1;
    }
    std::cout << *text << '\n';
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--extract") == 0) {
        return extract(argv[2]);
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::cout << "veloramac " << VELORA_VERSION << '\n';
        return 0;
    }
    printUsage();
    return argc == 2 && std::strcmp(argv[1], "--help") == 0 ? 0 : 2;
}
