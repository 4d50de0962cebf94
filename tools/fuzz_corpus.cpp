// cambist-fuzz-corpus SEQUENCES OUTDIR: writes one fuzz input per line of
// SEQUENCES (keys as cambist-keys takes them) into OUTDIR, named seed-NNN.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "FuzzKeys.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: cambist-fuzz-corpus SEQUENCES OUTDIR\n";
        return 2;
    }
    std::ifstream in(argv[1]);
    std::string line;
    int written = 0;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::string bytes;
        std::istringstream tokens(line);
        for (std::string token; tokens >> token;) {
            const auto presses = cambist::parseKeyToken(token);
            if (presses.empty()) {
                std::cerr << "unknown key '" << token << "' in: " << line << '\n';
                return 1;
            }
            for (const auto& press : presses) bytes.push_back(static_cast<char>(cambist::byteForKey(press)));
        }
        char name[32];
        std::snprintf(name, sizeof name, "/seed-%03d", ++written);
        std::ofstream(std::string(argv[2]) + name, std::ios::binary) << bytes;
    }
    std::cout << written << " seeds written\n";
    return 0;
}
