#pragma once

#include <QString>
#include <QTemporaryDir>

namespace vandelor {

// A LibreOffice user profile of our own in a temporary folder, removed with
// this object, so an instance on it never shares state with an office the
// user runs.
class OfficeProfile {
public:
    // Prepared for the office installed in programFolder.
    explicit OfficeProfile(const QString &programFolder);

    bool isValid() const { return m_folder.isValid(); }
    // The -env:UserInstallation value that points the office to it.
    QString installationArgument() const;

private:
    QTemporaryDir m_folder;
};

} // namespace vandelor
