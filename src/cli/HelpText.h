#pragma once
// What the companion tells about itself, beside its table of commands: the
// synopsis, the global options, the rules every command keeps, the exit
// status, the files it reads, its environment and examples. `--help` prints
// them with the commands; the manual page velmora-cli.1 is written from the
// same texts at build time (velmora-mkman), so the two say the same.
//
// Texts are plain, broken into lines with '\n' where --help breaks them; the
// manual page fills its lines itself.

#include <QString>

#include <span>

namespace cli::help {

struct Entry {
    const char* term; // an option, an exit code, a file, a command line
    const char* text; // what it is or does
};

// What follows "velmora-cli" on the usage line.
inline constexpr const char* kSynopsis = "[--folder DIR] [--kind KIND] COMMAND ARGS...";
// One line on what the companion is for.
inline constexpr const char* kPurpose =
    "Reads the program's archives; never creates or changes an archive.";

std::span<const Entry> options();
// Rules that hold for every command, one paragraph each.
std::span<const char* const> rules();
std::span<const Entry> exitStatus();
// The files of the data folder and the ones that choose it, which the
// program and the companion read alike.
std::span<const Entry> files();
// The files the companion writes unless told another name.
std::span<const Entry> exports();
std::span<const Entry> environment();
std::span<const Entry> examples();

// The text of `velmora-cli --help`.
QString text();

} // namespace cli::help
