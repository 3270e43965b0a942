#pragma once
// Where plays go: the statistics folder's file of each PC and month, by way
// of a spool in the program folder, so that a play made while the folder
// cannot be reached waits there and none is written twice.
//
// A delivery moves the spool aside (`StatsSpool.batch`), writes down what
// it will append, and at which size each file stood before
// (`StatsSpool.sending`), and only then appends. Whatever step a crash or a
// lost share interrupts, the next delivery picks up from the files left:
// an append already made, in full or in part, is found at the size written
// down and only its missing rest is appended.

#include <string>
#include <string_view>
#include <vector>

#include "stats/play_line.h"
#include "sys/big5.h"

namespace corvina {

inline constexpr std::string_view kPlaySpoolName = "StatsSpool.csv";
inline constexpr std::string_view kPlayBatchName = "StatsSpool.batch";
inline constexpr std::string_view kPlaySendingName = "StatsSpool.sending";

// What a delivery will append to one file of the statistics folder.
struct PlayAppend {
    Big5 file;  // its name in the statistics folder
    std::uint64_t sizeBefore = 0;
    std::string bytes;
    friend bool operator==(const PlayAppend&, const PlayAppend&) = default;
};

// The lines of a spool (its byte-order mark and header skipped) by the
// file each belongs to, in order of first appearance. `unreadable` gets
// the lines that are no play (a line cut by a crash).
std::vector<PlayAppend> GroupPlayLines(std::string_view spool, std::vector<std::string>& unreadable);

std::string SendingText(const std::vector<PlayAppend>& appends);
// Nothing for a text SendingText did not make.
std::optional<std::vector<PlayAppend>> ParseSendingText(std::string_view text);

// What is still to be appended to a file that now holds `current` (nothing
// when it is missing): what the append wrote is recognised at its place,
// in full or in part. A file cut shorter or changed there since gets the
// whole append again, with the header when it starts anew: a line twice
// rather than a line lost.
std::string MissingRest(const PlayAppend& append, const std::optional<std::string>& current);

class PlayStore {
public:
    // Both folders end in a path separator.
    PlayStore(Big5 programFolder, Big5 statsFolder);

    // Appends the play to the spool, started with the header when new;
    // throws std::runtime_error naming the file.
    void Spool(const Play& play);
    // A spool, or a delivery left unfinished.
    bool HasWaiting() const;
    // Moves the spool aside for Deliver, unless an earlier delivery is
    // still unfinished; plays spooled from then on wait for the next one.
    // Throws std::runtime_error naming the file.
    void TakeSpool();
    // Moves the plays taken into the statistics folder. Throws
    // std::runtime_error naming the file that failed; what is not
    // delivered keeps waiting. Returns the spool lines that were no play,
    // which are dropped.
    std::vector<std::string> Deliver();

    const Big5& StatsFolder() const { return statsFolder_; }
    Big5 SpoolPath() const { return InProgramFolder(kPlaySpoolName); }

private:
    Big5 InProgramFolder(std::string_view name) const;

    Big5 programFolder_;
    Big5 statsFolder_;
};

}  // namespace corvina
