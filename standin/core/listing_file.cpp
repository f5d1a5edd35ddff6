#include "listing_file.h"

#include "listing.h"

#include <fstream>
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
    if (m_written && m_writtenRevision == m_model.revision())
        return true;
    {
        // Line by line: the listing of a long part program never stands in memory
        // as one text.
        std::ofstream out(m_fresh, std::ios::binary | std::ios::trunc);
        if (const PartProgram *program = m_model.partProgram())
            for (const CommandRecord &command : program->commands())
                out << command.line() << '\n';
        out.close();
        if (!out) {
            m_error = "can't write the new listing beside it";
            return false;
        }
    }
    if (!replace(m_fresh, m_path, m_error))
        return false;
    m_written = true;
    m_writtenRevision = m_model.revision();
    ++m_writes;
    return true;
}

} // namespace standin
