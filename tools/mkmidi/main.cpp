// mkmidi: turns a tune written in the notation of notation.h into a
// Standard MIDI File.
//
//   mkmidi SOURCE OUTPUT         writes the file
//   mkmidi --info SOURCE         tempo, length, parts and the drums they hit
//   mkmidi --notes PART SOURCE   one line per note: start (s), length (s), key
#include <cstdio>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>
#include <string>

#include "tools/mkmidi/notation.h"
#include "tools/mkmidi/smf.h"

namespace {

int usage() {
    std::cerr << "usage: mkmidi SOURCE OUTPUT | --info SOURCE | --notes PART SOURCE\n";
    return 2;
}

bool read_song(const std::string& path, mkmidi::Song& song) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::cerr << path << ": cannot open\n";
        return false;
    }
    std::stringstream text;
    text << in.rdbuf();
    try {
        song = mkmidi::parse_song(text.str());
    } catch (const mkmidi::NotationError& e) {
        std::cerr << path << ":" << e.line << ": " << e.what() << "\n";
        return false;
    }
    return true;
}

void print_info(const mkmidi::Song& song) {
    std::printf("title: %s\ntempo: %d\nbars: %lld\nseconds: %.2f\n", song.title.c_str(),
                song.tempo, static_cast<long long>(song.length() / song.ticks_per_bar()),
                song.seconds(song.length()));
    for (const mkmidi::Track& t : song.tracks) {
        std::printf("part: %s channel %d", t.name.c_str(), t.channel);
        for (const mkmidi::ProgramChange& p : t.programs) std::printf(" program %d", p.program);
        std::printf(" notes %zu", t.notes.size());
        if (t.channel == mkmidi::kDrumChannel) {
            std::set<int> keys;
            for (const mkmidi::Note& n : t.notes) keys.insert(n.key);
            std::printf(" drums");
            for (int k : keys) std::printf(" %d", k);
        }
        std::printf("\n");
    }
}

}  // namespace

int main(int argc, char** argv) {
    mkmidi::Song song;
    if (argc == 3 && std::string(argv[1]) == "--info") {
        if (!read_song(argv[2], song)) return 1;
        print_info(song);
        return 0;
    }
    if (argc == 4 && std::string(argv[1]) == "--notes") {
        if (!read_song(argv[3], song)) return 1;
        for (const mkmidi::Track& t : song.tracks) {
            if (t.name != argv[2]) continue;
            for (const mkmidi::Note& n : t.notes)
                std::printf("%.4f %.4f %d\n", song.seconds(n.start), song.seconds(n.length), n.key);
            return 0;
        }
        std::cerr << argv[3] << ": no part named '" << argv[2] << "'\n";
        return 1;
    }
    if (argc != 3 || argv[1][0] == '-') return usage();

    if (!read_song(argv[1], song)) return 1;
    std::vector<uint8_t> bytes = mkmidi::write_smf(song);
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    out.close();
    if (!out) {
        std::cerr << argv[2] << ": cannot write\n";
        std::remove(argv[2]);  // a partial tune must not look up to date
        return 1;
    }
    return 0;
}
