#pragma once

#include "host_model.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace standin {

// Keeps a file holding the listing of the open part program. The file is replaced
// whole, so a reader never sees half a listing, and only when the part program
// changed since the last write.
class ListingFile {
public:
    // path is UTF-8.
    ListingFile(const HostModel &model, const std::string &path);

    // Writes the listing unless it is on disk already; false when that failed, with
    // the reason in error().
    bool update();
    const std::string &error() const { return m_error; }
    // How many times the file was written.
    std::uint64_t writes() const { return m_writes; }

private:
    const HostModel &m_model;
    std::filesystem::path m_path;
    std::filesystem::path m_fresh;
    std::uint64_t m_writtenRevision = 0;
    bool m_written = false;
    std::uint64_t m_writes = 0;
    std::string m_error;
};

} // namespace standin
