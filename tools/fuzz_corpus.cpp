// cambist-fuzz-corpus SEQUENCES OUTDIR: writes one fuzz input per line of
// SEQUENCES (keys as cambist-keys takes them) into OUTDIR, named seed-NNN.
#include <cstdio>
#include <fstream>
#include <iostream>
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
        const cambist::ParsedKeys parsed = cambist::parseKeys(line);
        if (!parsed.ok()) {
            std::cerr << "unknown key '" << parsed.unknownToken << "' in: " << line << '\n';
            return 1;
        }
        std::string bytes;
        for (const auto& press : parsed.presses) bytes.push_back(static_cast<char>(cambist::byteForKey(press)));
        char name[32];
        std::snprintf(name, sizeof name, "/seed-%03d", ++written);
        std::ofstream(std::string(argv[2]) + name, std::ios::binary) << bytes;
    }
    std::cout << written << " seeds written\n";
    return 0;
}
