#include "ui/mail_links.h"

#include <QDesktopServices>

namespace zaf::gui {

namespace {

std::function<bool(const QUrl&)>& opener()
{
    static std::function<bool(const QUrl&)> instance;
    return instance;
}

bool open(const QString& address)
{
    const QUrl url(address);
    return opener() ? opener()(url) : QDesktopServices::openUrl(url);
}

} // namespace

bool openMailTo(const QString& address)
{
    const QString trimmed = address.trimmed();
    if (trimmed.isEmpty())
        return false;
    return open(QStringLiteral("mailto:") + trimmed);
}

bool openWebAddress(const QString& address)
{
    const QString trimmed = address.trimmed();
    if (trimmed.isEmpty())
        return false;
    return open(trimmed);
}

void setUrlOpener(std::function<bool(const QUrl&)> replacement)
{
    opener() = std::move(replacement);
}

} // namespace zaf::gui
