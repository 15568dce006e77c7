#include "core/os_description.h"

#include <QFile>
#include <QHash>
#include <QStringList>

#include <sys/utsname.h>

namespace zaf {
namespace {

/// One value of an os-release line: quotes removed and backslash escapes resolved, as the
/// file's shell-like syntax allows.
QString unquote(QString value)
{
    value = value.trimmed();
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] == u'\\' && i + 1 < value.size())
            ++i;
        out.append(value[i]);
    }
    return out.trimmed();
}

QHash<QString, QString> parseOsRelease(const QString& text)
{
    QHash<QString, QString> values;
    for (const QString& raw : text.split(u'\n')) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const qsizetype eq = line.indexOf(u'=');
        if (eq <= 0)
            continue;
        values.insert(line.left(eq).trimmed(), unquote(line.mid(eq + 1)));
    }
    return values;
}

} // namespace

QString formatOsDescription(const QString& osRelease, const QString& kernelName, const QString& kernelRelease)
{
    const QHash<QString, QString> values = parseOsRelease(osRelease);
    QString distribution = values.value(QStringLiteral("PRETTY_NAME"));
    if (distribution.isEmpty()) {
        QStringList parts;
        for (const char* key : {"NAME", "VERSION"}) {
            const QString part = values.value(QLatin1String(key));
            if (!part.isEmpty())
                parts.append(part);
        }
        distribution = parts.join(u' ');
    }
    QString kernel = (kernelName.trimmed() + u' ' + kernelRelease.trimmed()).trimmed();
    if (distribution.isEmpty())
        return kernel;
    if (kernel.isEmpty())
        return distribution;
    return distribution + QStringLiteral(", ") + kernel;
}

QString osDescription()
{
    QString osRelease;
    for (const char* path : {"/etc/os-release", "/usr/lib/os-release"}) {
        QFile file(QString::fromLatin1(path));
        if (file.open(QIODevice::ReadOnly)) {
            osRelease = QString::fromUtf8(file.readAll());
            break;
        }
    }
    struct utsname names {};
    QString kernelName;
    QString kernelRelease;
    if (uname(&names) == 0) {
        kernelName = QString::fromLocal8Bit(names.sysname);
        kernelRelease = QString::fromLocal8Bit(names.release);
    }
    return formatOsDescription(osRelease, kernelName, kernelRelease);
}

} // namespace zaf
