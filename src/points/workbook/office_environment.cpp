#include "points/workbook/office_environment.h"

#include <clocale>
#include <cstring>
#include <langinfo.h>

namespace vandelor {

namespace {

// The locale the C library takes its character set from.
QByteArray characterLocale(const QProcessEnvironment &environment) {
    for (const char *name : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const QString value = environment.value(QLatin1String(name));
        if (!value.isEmpty())
            return value.toLocal8Bit();
    }
    return QByteArrayLiteral("C");
}

// False too for a locale that is named but not installed: the C library
// then falls back to ASCII.
bool isInstalledUtf8Locale(const QByteArray &name) {
    const locale_t locale = newlocale(LC_CTYPE_MASK, name.constData(), nullptr);
    if (!locale)
        return false;
    const bool utf8 = std::strcmp(nl_langinfo_l(CODESET, locale), "UTF-8") == 0;
    freelocale(locale);
    return utf8;
}

} // namespace

QProcessEnvironment officeEnvironment(const QProcessEnvironment &ours) {
    QProcessEnvironment environment = ours;
    if (!isInstalledUtf8Locale(characterLocale(ours)))
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    return environment;
}

} // namespace vandelor
