#include "office_profile.h"

#include <QDir>
#include <QFile>
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

void writeSeedSettings(const QString &profileFolder) {
    const QString userFolder = profileFolder + QStringLiteral("/user");
    if (!QDir().mkpath(userFolder))
        return;
    QFile settings(userFolder + QStringLiteral("/registrymodifications.xcu"));
    if (settings.open(QIODevice::WriteOnly))
        settings.write(SeedSettings, sizeof SeedSettings - 1);
}

} // namespace

OfficeProfile::OfficeProfile()
    : m_folder(QDir::tempPath() + QStringLiteral("/vandelor-office-XXXXXX")) {
    if (m_folder.isValid())
        writeSeedSettings(m_folder.path());
}

QString OfficeProfile::installationArgument() const {
    return QStringLiteral("-env:UserInstallation=") +
           QUrl::fromLocalFile(m_folder.path()).toString(QUrl::FullyEncoded);
}

} // namespace vandelor
