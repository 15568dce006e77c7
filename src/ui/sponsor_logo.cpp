#include "ui/sponsor_logo.h"

#include "core/cp1252.h"
#include "core/program_dir.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace zaf::gui {

bool SponsorLogo::read(int n, SponsorLogo& logo)
{
    const QString base = programDirectory() + QStringLiteral("logo%1").arg(n);
    const QString textFile = base + QStringLiteral(".zaf");
    const QString image = base + QStringLiteral(".jpg");
    if (!QFileInfo::exists(textFile) || !QFileInfo::exists(image))
        return false;
    QFile file(textFile);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    QStringList lines;
    while (lines.size() < 6 && !file.atEnd())
        lines.append(fromCp1252(file.readLine()).remove(QLatin1Char('\n')).remove(QLatin1Char('\r')).left(80));
    while (lines.size() < 6)
        lines.append(QString());
    logo.hint = lines[0];
    logo.target = lines[1];
    logo.newsPage = lines[4];
    logo.boardSection = lines[5];
    logo.imageFile = image;
    return true;
}

} // namespace zaf::gui
