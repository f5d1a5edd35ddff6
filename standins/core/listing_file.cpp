#include "listing_file.h"

#include "listing.h"

#include <fstream>
#include <optional>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

namespace standin {

namespace {

// Puts fresh in the place of path in one step.
bool replace(const std::filesystem::path &fresh, const std::filesystem::path &path,
             std::string &error) {
#ifdef _WIN32
    if (MoveFileExW(fresh.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING))
        return true;
    error = "can't replace the listing, error " + std::to_string(GetLastError());
    return false;
#else
    std::error_code problem;
    std::filesystem::rename(fresh, path, problem);
    if (problem)
        error = problem.message();
    return !problem;
#endif
}

} // namespace

ListingFile::ListingFile(const HostModel &model, const std::string &path)
    : m_model(model)
    , m_path(std::u8string(reinterpret_cast<const char8_t *>(path.data()), path.size()))
    , m_fresh(m_path) {
    m_fresh += ".new";
}

bool ListingFile::update() {
    if (m_writtenRevision == m_model.revision())
        return true;
    static const std::vector<CommandRecord> none;
    const PartProgram *program = m_model.partProgram();
    const std::vector<CommandRecord> &commands = program ? program->commands() : none;
    std::size_t first = 0;
    while (first < m_lines.size() && first < commands.size() &&
           m_lines[first].id == commands[first].id() &&
           m_lines[first].version == commands[first].version())
        ++first;
    if (!(m_writtenRevision ? writeFrom(first, commands) : writeWhole(commands))) {
        // Written whole next time.
        m_writtenRevision.reset();
        m_lines.clear();
        return false;
    }
    m_writtenRevision = m_model.revision();
    ++m_writes;
    return true;
}

void ListingFile::writeLines(std::ostream &out, std::size_t first,
                             const std::vector<CommandRecord> &commands) {
    m_lines.resize(first);
    std::uint64_t end = first == 0 ? 0 : m_lines.back().end;
    for (std::size_t row = first; row < commands.size(); ++row) {
        const std::string &line = commands[row].line();
        out << line << '\n';
        end += line.size() + 1;
        m_lines.push_back({commands[row].id(), commands[row].version(), end});
    }
}

bool ListingFile::writeWhole(const std::vector<CommandRecord> &commands) {
    std::ofstream out(m_fresh, std::ios::binary | std::ios::trunc);
    writeLines(out, 0, commands);
    out.close();
    if (!out) {
        m_error = "can't write the new listing beside it";
        return false;
    }
    return replace(m_fresh, m_path, m_error);
}

bool ListingFile::writeFrom(std::size_t first, const std::vector<CommandRecord> &commands) {
    const std::uint64_t oldEnd = m_lines.empty() ? 0 : m_lines.back().end;
    std::fstream out(m_path, std::ios::binary | std::ios::in | std::ios::out);
    out.seekp(static_cast<std::streamoff>(first == 0 ? 0 : m_lines[first - 1].end));
    writeLines(out, first, commands);
    out.close();
    const std::uint64_t newEnd = m_lines.empty() ? 0 : m_lines.back().end;
    std::error_code problem;
    if (out && newEnd < oldEnd)
        std::filesystem::resize_file(m_path, newEnd, problem);
    if (!out || problem) {
        m_error = "can't write the listing";
        return false;
    }
    return true;
}

} // namespace standin
