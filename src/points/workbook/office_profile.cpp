#include "points/workbook/office_profile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

namespace vandelor {

namespace {

// An office that believes it was just upgraded runs a graphics self-test of
// several seconds at start; a profile that has seen every version skips it.
// A workbook shown while it is read gets no tip-of-the-day dialog either.
constexpr char SeedSettings[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<oor:items xmlns:oor="http://openoffice.org/2001/registry" xmlns:xs="http://www.w3.org/2001/XMLSchema" xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance">
<item oor:path="/org.openoffice.Setup/Product"><prop oor:name="ooSetupLastVersion" oor:op="fuse"><value>999.9</value></prop></item>
<item oor:path="/org.openoffice.Office.Common/Misc"><prop oor:name="ShowTipOfTheDay" oor:op="fuse"><value>false</value></prop></item>
</oor:items>
)";

void writeFile(const QString &path, const QByteArray &content) {
    QFile file(path);
    if (QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly))
        file.write(content);
}

// The office's build id, as its version file gives it.
QByteArray buildId(const QString &programFolder) {
    QFile version(programFolder + QStringLiteral("/versionrc"));
    if (!version.open(QIODevice::ReadOnly))
        return {};
    const QList<QByteArray> lines = version.readAll().split('\n');
    for (const QByteArray &line : lines)
        if (line.startsWith("buildid="))
            return line.mid(8).trimmed();
    return {};
}

void seed(const QString &profileFolder, const QString &programFolder) {
    writeFile(profileFolder + QStringLiteral("/user/registrymodifications.xcu"),
              QByteArray(SeedSettings, sizeof SeedSettings - 1));
    // A new profile whose extension folder names the office's build needs
    // no second start of the office to set it up.
    const QByteArray build = buildId(programFolder);
    if (!build.isEmpty())
        writeFile(profileFolder + QStringLiteral("/user/extensions/buildid"), build);
}

} // namespace

OfficeProfile::OfficeProfile(const QString &programFolder)
    : m_folder(QDir::tempPath() + QStringLiteral("/vandelor-office-XXXXXX")) {
    if (m_folder.isValid())
        seed(m_folder.path(), programFolder);
}

QString OfficeProfile::installationArgument() const {
    return QStringLiteral("-env:UserInstallation=") +
           QUrl::fromLocalFile(m_folder.path()).toString(QUrl::FullyEncoded);
}

} // namespace vandelor
