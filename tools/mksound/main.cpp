// mksound: turns a sound effect described in text (see synth.h) into a WAV
// file. Any fault stops it with one line naming the source.
//
//   mksound SOURCE OUTPUT
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "tools/mksound/synth.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: mksound SOURCE OUTPUT\n";
        return 2;
    }
    const std::string source = argv[1];
    const std::string output = argv[2];
    std::error_code ignored;
    std::ifstream in(source, std::ios::binary);
    std::stringstream text;
    if (in) text << in.rdbuf();
    // a directory opens, and reads as nothing
    if (!in || in.bad() || std::filesystem::is_directory(source, ignored)) {
        std::cerr << "mksound: cannot read " << source << "\n";
        return 1;
    }
    std::string wav;
    try {
        wav = mksound::wav_file(mksound::render(mksound::parse_sound(text.str())));
    } catch (const mksound::SourceError& e) {
        std::cerr << source << ":" << e.line << ": " << e.what() << "\n";
        return 1;
    }
    // written whole beside the output, then put in its place
    const std::string partial = output + ".partial";
    {
        std::ofstream out(partial, std::ios::binary);
        out.write(wav.data(), static_cast<std::streamsize>(wav.size()));
        if (!out.flush()) {
            std::cerr << "mksound: cannot write " << partial << "\n";
            std::remove(partial.c_str());
            return 1;
        }
    }
    if (std::rename(partial.c_str(), output.c_str()) != 0) {
        std::cerr << "mksound: cannot write " << output << "\n";
        std::remove(partial.c_str());
        return 1;
    }
    return 0;
}
