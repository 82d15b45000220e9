// headbot-pack: bundles levels and their makers' clears into one file to
// share, checks that every level in it is still won by its clear, and cuts
// it back into level files.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "pack_files.h"
#include "world/level_document.h"
#include "world/level_pack.h"
#include "world/owned_file.h"
#include "world/pack_folder.h"
#include "world/pack_proof.h"

namespace {

constexpr int kNotAllProven = 1;
constexpr int kRefused = 2;

int usage() {
    std::fputs(
        "usage: headbot-pack make PACK --title T --author A [--unproven] LEVEL_FILE...\n"
        "       headbot-pack check PACK [--solve]\n"
        "       headbot-pack unpack PACK DIR\n"
        "       headbot-pack ready PACK PACKS_DIR\n",
        stderr);
    return kRefused;
}

// One line naming what is refused; nothing has been written.
int refuse(const std::string& what) {
    std::fprintf(stderr, "headbot-pack: %s\n", what.c_str());
    return kRefused;
}

bool read_pack(const std::string& path, LevelPack& pack, std::string& error) {
    if (read_level_pack_file(path, pack, error)) return true;
    error = path + ": " + error;
    return false;
}

std::string proof_line(const PackLevel& level, const Proof& proof) {
    switch (proof.state) {
    case ProofState::proven: return level.name + ": proven (" + std::to_string(proof.frames) + " frames)";
    case ProofState::unproven: return level.name + ": unproven";
    case ProofState::broken: break;
    }
    return level.name + ": broken (" + proof.why + ")";
}

int make(const std::vector<std::string>& args) {
    if (args.empty()) return usage();
    const std::string path = args[0];
    LevelPack pack;
    bool have_title = false, have_author = false, allow_unproven = false;
    std::vector<std::string> files;
    for (size_t i = 1; i < args.size(); ++i) {
        if ((args[i] == "--title" || args[i] == "--author") && i + 1 < args.size()) {
            const bool title = args[i] == "--title";
            (title ? pack.title : pack.author) = args[++i];
            (title ? have_title : have_author) = true;
        } else if (args[i] == "--unproven") {
            allow_unproven = true;
        } else if (args[i].rfind("--", 0) == 0) {
            return usage();
        } else {
            files.push_back(args[i]);
        }
    }
    if (!have_title || !have_author || files.empty()) return usage();
    for (const auto& [what, words] : {std::pair<std::string, std::string>{"title", pack.title}, {"author", pack.author}}) {
        const std::string problem = pack_words_problem(words);
        if (!problem.empty()) return refuse(path + ": the " + what + " " + problem);
    }

    std::vector<std::string> lines;
    for (const std::string& file : files) {
        PackLevel level;
        std::string why;
        if (!pack_level_from_file(file, level, why)) return refuse(file + " " + why);
        for (const PackLevel& other : pack.levels)
            if (other.name == level.name) return refuse(file + ": a pack holds one " + level.name + ", and " + level.name + " came before");
        if (!level.proven && !allow_unproven)
            return refuse(file + " " + why + " (--unproven includes it all the same, marked unproven)");
        lines.push_back(level.proven ? proof_line(level, prove_pack_level(level)) : level.name + ": unproven, " + why);
        pack.levels.push_back(level);
    }

    const std::string text = level_pack_text(pack);
    LevelPack again;
    std::string error;
    // a pack is made again over its old self, never over a level or any other file
    std::error_code ec;
    if (std::filesystem::exists(path, ec) && !read_level_pack_file(path, again, error))
        return refuse(path + " is there already and is not a level pack: it is left as it is");
    if (!read_level_pack(text, again, error)) return refuse(path + " would not read back: " + error);
    if (!write_file_atomically(path, text, error)) return refuse(path + ": " + error);
    for (const std::string& line : lines) std::printf("%s\n", line.c_str());
    return 0;
}

// headbot-solve's search on an unproven level, in a scratch folder: a win it
// finds says the level can be won, though only the maker's play proves it.
std::string solve_line(const std::string& self, const PackLevel& level) {
    const std::filesystem::path solver = std::filesystem::path(self).parent_path() / "headbot-solve";
    std::error_code ec;
    if (!std::filesystem::exists(solver, ec)) return "headbot-solve is not beside headbot-pack";
    // the command line quotes the path in single quotes
    if (solver.string().find('\'') != std::string::npos) return "headbot-solve lies in a folder with a quote in its name";
    const std::filesystem::path dir = std::filesystem::temp_directory_path(ec) / ("headbot-pack-solve-" + text_fingerprint(level.text + self));
    std::filesystem::create_directories(dir, ec);
    std::string error;
    if (ec || !write_file_atomically((dir / level.name).string(), level.text, error, false))
        return "cannot make a scratch folder for headbot-solve";
    const std::string command = "'" + solver.string() + "' '" + (dir / level.name).string() + "' --seconds 30 2>/dev/null";
    std::string first;
    if (FILE* out = popen(command.c_str(), "r")) {
        char line[512];
        if (std::fgets(line, sizeof line, out)) first = line;
        while (std::fgets(line, sizeof line, out)) {
        }
        pclose(out);
    }
    std::filesystem::remove_all(dir, ec);
    const size_t at = first.find("won in ");
    if (at == std::string::npos) return "headbot-solve found no win in 30 s";
    return "headbot-solve wins it in " + first.substr(at + 7, first.find(' ', at + 7) - at - 7) +
           " frames; win it in the editor to prove it";
}

int check(const std::string& self, const std::vector<std::string>& args) {
    if (args.empty() || args.size() > 2 || (args.size() == 2 && args[1] != "--solve")) return usage();
    const bool solve = args.size() == 2;
    LevelPack pack;
    std::string error;
    if (!read_pack(args[0], pack, error)) return refuse(error);
    bool all_proven = true;
    for (const PackLevel& level : pack.levels) {
        const Proof proof = prove_pack_level(level);
        std::string line = proof_line(level, proof);
        if (solve && proof.state == ProofState::unproven) line += ": " + solve_line(self, level);
        std::printf("%s\n", line.c_str());
        std::fflush(stdout);
        all_proven = all_proven && proof.state == ProofState::proven;
    }
    return all_proven ? 0 : kNotAllProven;
}

// Every file the pack would write into `dir`, refused when one is there:
// cutting a pack never replaces a level of the maker's own.
int unpack(const std::vector<std::string>& args) {
    if (args.size() != 2) return usage();
    LevelPack pack;
    std::string error;
    if (!read_pack(args[0], pack, error)) return refuse(error);
    const std::filesystem::path dir(args[1]);
    std::error_code ec;
    for (const PackLevel& level : pack.levels)
        for (const std::string& name : {level.name, level.name + ".keys"})
            if (std::filesystem::exists(std::filesystem::symlink_status(dir / name, ec)))
                return refuse((dir / name).string() + " is there already: unpack into another folder");
    std::filesystem::create_directories(dir, ec);
    if (ec) return refuse("cannot make the folder " + dir.string() + ": " + ec.message());
    for (const PackLevel& level : pack.levels) {
        if (!write_file_atomically((dir / level.name).string(), level.text, error) ||
            (level.proven && !write_file_atomically((dir / (level.name + ".keys")).string(), level.clear, error)))
            return refuse((dir / level.name).string() + ": " + error);
        std::printf("%s%s\n", (dir / level.name).string().c_str(), level.proven ? " and its .keys" : " (unproven)");
    }
    return 0;
}

// The folder a pack is played in (see world/pack_folder.h), made ready for
// the launcher, which links the shipped data in; the folder's path is printed.
int ready(const std::vector<std::string>& args) {
    if (args.size() != 2) return usage();
    ReadyPack ready;
    std::string error;
    if (!ready_pack_folder(args[0], args[1], ready, error)) return refuse(error);
    if (!ready.unproven.empty()) std::fprintf(stderr, "%s\n", unproven_pack_line(args[0], ready.unproven).c_str());
    std::printf("%s\n", ready.folder.c_str());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return usage();
    const std::string command = argv[1];
    const std::vector<std::string> args(argv + 2, argv + argc);
    if (command == "make") return make(args);
    if (command == "check") return check(argv[0], args);
    if (command == "unpack") return unpack(args);
    if (command == "ready") return ready(args);
    return usage();
}
