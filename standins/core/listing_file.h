#pragma once

#include "host_model.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace standin {

// Keeps a file holding the listing of the open part program. Only what changed
// since the last write is written: the file from the first line that differs on,
// so a long part program costs little when commands are added at its end. The
// first write replaces the file whole.
class ListingFile {
public:
    // path is UTF-8.
    ListingFile(const HostModel &model, const std::string &path);

    // Brings the file up to date; false when that failed, with the reason in error().
    bool update();
    const std::string &error() const { return m_error; }
    // How many times the file was written.
    std::uint64_t writes() const { return m_writes; }

private:
    // A line of the file: the command it shows, as it was then, and where it ends.
    struct Line {
        int id;
        std::uint64_t version;
        std::uint64_t end;
    };

    bool writeWhole(const std::vector<CommandRecord> &commands);
    bool writeFrom(std::size_t first, const std::vector<CommandRecord> &commands);
    // Writes the lines of commands from first on to out, where the file's line first
    // begins, and notes them.
    void writeLines(std::ostream &out, std::size_t first,
                    const std::vector<CommandRecord> &commands);

    const HostModel &m_model;
    std::filesystem::path m_path;
    std::filesystem::path m_fresh;
    // Empty until the file was written once.
    std::optional<std::uint64_t> m_writtenRevision;
    std::vector<Line> m_lines;
    std::uint64_t m_writes = 0;
    std::string m_error;
};

} // namespace standin
