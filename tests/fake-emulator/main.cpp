// A stand-in for the emulator: answers its command interface from fixture files, so the
// tests can run every emulator command without the real thing.
//
// It is steered by "fake-emulator.scenario" in its working folder (the emulator folder), one
// "key=value" per line, every key optional; paths are relative to that folder:
//   fixtures=FOLDER    holds mame.ini (for -createconfig) and listfull.txt (default: tests/fixtures)
//   listfull=FILE      a different supported-games file (lines: name, blanks, "description")
//   exit=CODE          end with this code instead of the command's own
//   output=FILE        write these bytes unchanged instead of the command's output
//   sleep_ms=MS        take this long before answering, as a slow emulator does
//   flood=COUNT        write this many lines as fast as the pipe takes them, then end
//   wait_term=1        print a line, wait for SIGTERM, print a line, end with 143
//   hang=1             (or hang=OPTION: only for runs of that option) ignore SIGTERM, start a child that
//   ignores it too, write both process ids
//                      to "fake-emulator.pids", print a line, then wait (at most 30 s)
//   bad=NAME,NAME      sets -verifyroms calls bad
// Every run appends its arguments, all of them (-inipath too), to "fake-emulator.runs" in the
// same folder: one line per run, arguments separated by TAB characters.
// A set is present when rompath (from ./mame.ini, else "roms") holds NAME.zip, NAME.7z or
// the folder NAME; it verifies bad when listed in bad= or when its archive begins with the
// bytes "BAD" (its folder holds a file BAD), "best available" when its folder holds a file
// BEST; an archive beginning with "JUNK" is damaged and counts as no files.

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

// The version text as the real executable carries it, found by reading the file.
extern "C" {
__attribute__((used)) const char fake_emulator_build_version[] = "0.251 (fake)";
}

namespace {

constexpr int ExitOk = 0;
constexpr int ExitMissingFiles = 2;
constexpr int ExitNoSuchSystem = 5;
constexpr int ExitInvalidConfig = 6;
constexpr int ExitTerminated = 143;

// The scenario of this run: key -> value, from ./fake-emulator.scenario.
std::map<std::string, std::string> ReadScenario() {
    std::map<std::string, std::string> scenario;
    std::ifstream in("fake-emulator.scenario");
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const auto equals = line.find('=');
        if (equals != std::string::npos && line[0] != '#')
            scenario[line.substr(0, equals)] = line.substr(equals + 1);
    }
    return scenario;
}

const std::map<std::string, std::string>& Scenario() {
    static const std::map<std::string, std::string> scenario = ReadScenario();
    return scenario;
}

std::string Setting(const std::string& key) {
    const auto found = Scenario().find(key);
    return found == Scenario().end() ? std::string() : found->second;
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

std::string FixturePath(const std::string& name) {
    const std::string folder = Setting("fixtures");
    return (folder.empty() ? std::string(FAKE_EMULATOR_DEFAULT_FIXTURES) : folder) + "/" + name;
}

bool ReadFile(const std::string& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream all;
    all << in.rdbuf();
    bytes = all.str();
    return true;
}

void Record(int argc, char** argv) {
    std::ofstream out("fake-emulator.runs", std::ios::app | std::ios::binary);
    for (int i = 1; i < argc; ++i)
        out << (i > 1 ? "\t" : "") << argv[i];
    out << '\n';
}

// Supported sets: short name -> description, in file order.
std::vector<std::pair<std::string, std::string>> SupportedSets() {
    std::string path = Setting("listfull");
    if (path.empty())
        path = FixturePath("listfull.txt");
    std::ifstream in(path);
    std::vector<std::pair<std::string, std::string>> sets;
    std::string line;
    while (std::getline(in, line)) {
        const auto blank = line.find(' ');
        const auto quote = line.find('"');
        if (blank == std::string::npos || quote == std::string::npos || line.size() < quote + 2)
            continue;
        sets.emplace_back(line.substr(0, blank), line.substr(quote + 1, line.size() - quote - 2));
    }
    return sets;
}

bool FindSet(const std::string& name, std::string& description) {
    for (const auto& [setName, setDescription] : SupportedSets()) {
        if (setName == Lower(name)) {
            description = setDescription;
            return true;
        }
    }
    return false;
}

std::string StripArchiveExtension(const std::string& name) {
    for (const std::string extension : {".zip", ".7z"}) {
        if (name.size() > extension.size() && Lower(name.substr(name.size() - extension.size())) == extension)
            return name.substr(0, name.size() - extension.size());
    }
    return name;
}

// The rompath of ./mame.ini, split at ';'.
std::vector<std::string> RomPaths() {
    std::string value = "roms";
    std::ifstream in("mame.ini");
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("rompath", 0) == 0 && line.size() > 7 && (line[7] == ' ' || line[7] == '\t')) {
            const auto start = line.find_first_not_of(" \t", 7);
            value = start == std::string::npos ? "" : line.substr(start);
            while (!value.empty() && (value.back() == '\r' || value.back() == ' '))
                value.pop_back();
        }
    }
    std::vector<std::string> paths;
    std::stringstream parts(value);
    std::string part;
    while (std::getline(parts, part, ';'))
        if (!part.empty())
            paths.push_back(part);
    return paths;
}

bool Exists(const std::string& path, bool& isFolder) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return false;
    isFolder = S_ISDIR(info.st_mode);
    return true;
}

// Finds the set's archive or folder; tells whether it is marked bad.
bool FindRomSet(const std::string& name, bool& bad) {
    for (const std::string& folder : RomPaths()) {
        for (const std::string suffix : {".zip", ".7z", ""}) {
            const std::string path = folder + "/" + name + suffix;
            bool isFolder = false;
            if (!Exists(path, isFolder))
                continue;
            std::string bytes;
            if (isFolder)
                bad = Exists(path + "/BAD", isFolder);
            else
                bad = ReadFile(path, bytes) && bytes.rfind("BAD", 0) == 0;
            return true;
        }
    }
    return false;
}

bool ListedBad(const std::string& name) {
    std::stringstream list(Setting("bad"));
    std::string item;
    while (std::getline(list, item, ','))
        if (Lower(item) == Lower(name))
            return true;
    return false;
}

// Audits one set: its file lines, then "good", "bad" or "best available"; empty when no
// files were found. A junk archive (bytes "JUNK...") is reported and counts as no files.
std::string VerifySet(const std::string& name) {
    bool bad = false;
    if (!FindRomSet(name, bad))
        return std::string();
    for (const std::string& folder : RomPaths()) {
        std::string bytes;
        if (ReadFile(folder + "/" + name + ".zip", bytes) && bytes.rfind("JUNK", 0) == 0) {
            for (int i = 0; i < 2; ++i)
                std::cout << "unzip: " << folder << "/" << name << ".zip couldn't find ECD\n";
            return std::string();
        }
        bool isFolder = false;
        if (Exists(folder + "/" + name + "/BEST", isFolder))
            return "best available";
    }
    if (!bad && !ListedBad(name))
        return "good";
    std::string padded = name;
    padded.resize(std::max<std::size_t>(name.size(), 12), ' ');
    std::cout << padded << ": " << name << ".1a (4096 bytes) - INCORRECT CHECKSUM:\n"
              << "EXPECTED: CRC(12345678) SHA1(0123456789abcdef0123456789abcdef01234567)\n"
              << "   FOUND: CRC(87654321)\n"
              << padded << ": " << name << ".2b (4096 bytes) - NOT FOUND\n";
    return "bad";
}

int CreateConfig() {
    std::string bytes;
    if (!ReadFile(FixturePath("mame.ini"), bytes)) {
        std::cout << "Unable to read the mame.ini fixture\n";
        return ExitInvalidConfig;
    }
    std::ofstream out("mame.ini", std::ios::binary | std::ios::trunc);
    out << bytes;
    return out ? ExitOk : ExitInvalidConfig;
}

int ListFull() {
    std::cout << "Name:             Description:\n";
    for (const auto& [name, description] : SupportedSets()) {
        std::string padded = name;
        padded.resize(std::max<std::size_t>(name.size() + 1, 18), ' ');
        std::cout << padded << '"' << description << "\"\n";
    }
    return ExitOk;
}

// The real emulator's shapes: the sets in its own order (the list's), whatever the order asked;
// with several names a set without files is left out silently and only the first unknown name
// is reported, after the others, without the count line.
int VerifyRoms(const std::vector<std::string>& names) {
    const bool alone = names.size() == 1;
    std::string firstUnknown;
    for (const std::string& name : names) {
        std::string description;
        if (firstUnknown.empty() && !FindSet(name, description))
            firstUnknown = name.empty() ? " " : name;
    }
    int found = 0, good = 0;
    for (const auto& [setName, description] : SupportedSets()) {
        if (std::none_of(names.begin(), names.end(),
                         [&](const std::string& n) { return Lower(n) == setName; }))
            continue;
        const std::string verdict = VerifySet(setName);
        if (verdict.empty()) {
            if (alone)
                std::cout << "romset \"" << setName << "\" not found!\n";
            continue;
        }
        ++found;
        good += verdict != "bad";
        std::cout << "romset " << setName << " is " << verdict << '\n';
    }
    if (!firstUnknown.empty()) {
        std::cout << "No matching systems found for '" << (firstUnknown == " " ? "" : firstUnknown) << "'\n";
        return ExitNoSuchSystem;
    }
    if (alone && found == 0)
        return ExitMissingFiles;
    std::cout << found << " romsets found, " << good << " were OK.\n";
    return good == found ? ExitOk : ExitMissingFiles;
}

int RomIdent(const std::string& path) {
    std::cout << "Identifying " << path << "....\n";
    bool isFolder = false;
    if (!Exists(path, isFolder)) {
        std::cout << path << ": error opening file (" << std::strerror(ENOENT) << ")\nNo files found.\n";
        return ExitMissingFiles;
    }
    const std::string base = path.substr(path.find_last_of('/') + 1);
    std::string description;
    if (FindSet(StripArchiveExtension(base), description)) {
        std::cout << StripArchiveExtension(base) << ".1a\t= " << StripArchiveExtension(base) << ".1a\t"
                  << description << '\n';
        return ExitOk;
    }
    std::cout << "File '" << base << "' NO MATCH\n";
    return ExitMissingFiles;
}

int ShowUsage() {
    std::cout << "Usage:  mame [machine] [media] [software] [options]\n\nOptions:\n\n"
                 "#\n# CORE CONFIGURATION OPTIONS\n#\n"
                 "-readconfig          enable loading of configuration files\n"
                 "-writeconfig         write configuration to (driver).ini on exit\n";
    return ExitOk;
}

int Help() {
    std::cout << "MAME v" << fake_emulator_build_version << "\nCopyright MAMEdev and contributors\n\n"
              << "Usage:  mame [machine] [media] [software] [options]\n\n"
                 "        mame -showusage    for a list of options\n";
    return ExitOk;
}

int Play(const std::string& game, bool verbose) {
    const std::string name = StripArchiveExtension(game);
    std::string description;
    if (!FindSet(name, description)) {
        std::cout << "Unknown system '" << game << "'\n";
        return ExitNoSuchSystem;
    }
    bool bad = false;
    if (!FindRomSet(name, bad)) {
        std::cout << name << ".1a NOT FOUND (tried in " << name << ")\n"
                  << "Required files are missing, the machine cannot be run.\n";
        return ExitMissingFiles;
    }
    if (verbose)
        std::cout << "Running " << name << " (" << description << ")\n";
    return ExitOk;
}

void Flood(long count) {
    std::string chunk;
    chunk.reserve(1 << 16);
    char line[96];
    for (long i = 1; i <= count; ++i) {
        const int size = std::snprintf(line, sizeof line, "Flood line %08ld: the quick brown fox jumps\n", i);
        chunk.append(line, std::size_t(size));
        if (chunk.size() > 60000 || i == count) {
            std::fwrite(chunk.data(), 1, chunk.size(), stdout);
            chunk.clear();
        }
    }
}

volatile std::sig_atomic_t terminated = 0;

void OnTerm(int) {
    terminated = 1;
}

int WaitForTerm() {
    std::signal(SIGTERM, OnTerm);
    std::cout << "Waiting for SIGTERM" << std::endl;
    // Never hang a test run: give up after a while.
    for (int waited = 0; !terminated && waited < 30000; waited += 10)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    if (!terminated) {
        std::cout << "Gave up waiting for SIGTERM" << std::endl;
        return 124;
    }
    std::cout << "Stopped by SIGTERM" << std::endl;
    return ExitTerminated;
}

int Hang() {
    std::signal(SIGTERM, SIG_IGN);
    std::cout.flush();
    const pid_t child = ::fork();
    if (child == 0) {
        std::this_thread::sleep_for(std::chrono::seconds(30));
        std::_Exit(0);
    }
    std::ofstream("fake-emulator.pids") << ::getpid() << ' ' << child << '\n';
    std::cout << "Ignoring SIGTERM" << std::endl;
    std::this_thread::sleep_for(std::chrono::seconds(30));
    return 124;
}

int Answer(const std::vector<std::string>& args) {
    const std::string sleep = Setting("sleep_ms");
    if (!sleep.empty())
        std::this_thread::sleep_for(std::chrono::milliseconds(std::atol(sleep.c_str())));
    if (Setting("wait_term") == "1")
        return WaitForTerm();
    if (Setting("hang") == "1" || (!args.empty() && Setting("hang") == args.front()))
        return Hang();
    const std::string flood = Setting("flood");
    if (!flood.empty()) {
        Flood(std::atol(flood.c_str()));
        return ExitOk;
    }
    const std::string outputFile = Setting("output");
    if (!outputFile.empty()) {
        std::string bytes;
        ReadFile(outputFile, bytes);
        std::cout << bytes;
        return ExitOk;
    }

    if (args.empty())
        return ShowUsage();
    const std::string& command = args.front();
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (command == "-createconfig")
        return CreateConfig();
    if (command == "-listfull")
        return ListFull();
    if (command == "-verifyroms")
        return VerifyRoms(rest);
    if (command == "-romident")
        return RomIdent(rest.empty() ? std::string() : rest.front());
    if (command == "-showusage")
        return ShowUsage();
    if (command == "-help")
        return Help();
    if (command == "-validate")
        return ExitOk;
    if (command[0] == '-') {
        std::cout << "Error: unknown option: " << command << '\n';
        return ExitInvalidConfig;
    }
    return Play(command, std::find(rest.begin(), rest.end(), "-verbose") != rest.end());
}

} // namespace

int main(int argc, char** argv) {
    Record(argc, argv);
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-inipath") == 0 && i + 1 < argc) {
            ++i;
            continue;
        }
        args.emplace_back(argv[i]);
    }
    int code = Answer(args);
    std::cout.flush();
    std::fflush(stdout);
    const std::string exitCode = Setting("exit");
    if (!exitCode.empty())
        code = std::atoi(exitCode.c_str());
    return code;
}
