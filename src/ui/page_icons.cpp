#include "ui/page_icons.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

// Resources compiled into a static library must be registered by name before first use.
static void registerIcons()
{
    static const bool once = [] {
        Q_INIT_RESOURCE(icons);
        return true;
    }();
    (void)once;
}

namespace zaf::gui {
namespace {

// A lettered badge stands in for a picture that cannot be read, so every button stays
// recognisable and all fifteen fit beside each other.
QPixmap badge(const QString& hint, int size)
{
    QString letters;
    for (const QString& word : hint.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        letters += word.at(0);
    if (letters.size() == 1)
        letters = hint.left(2);
    const QColor colour(0x1f, 0x5f, 0x8f);
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(colour);
    painter.setPen(colour.darker(140));
    painter.drawRoundedRect(QRectF(0.5, 0.5, size - 1, size - 1), size / 6.0, size / 6.0);
    QFont font = painter.font();
    font.setPixelSize(qMax(8, size * 11 / 24));
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(picture.rect(), Qt::AlignCenter, letters.left(2));
    return picture;
}

QPixmap render(const ToolButton& button, int size)
{
    registerIcons();
    const QString path = QStringLiteral(":/icons/%1.svg").arg(QLatin1String(button.icon));
    QSvgRenderer renderer(path);
    if (!QFile::exists(path) || !renderer.isValid())
        return badge(QLatin1String(button.hint), size);
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    return picture;
}

} // namespace

const QVector<ToolButton>& toolButtons()
{
    static const QVector<ToolButton> buttons = {
        {"Dive Log", "dive_log", int(Page::DiveLog)},
        {"Divers", "divers", int(Page::Divers)},
        {"Dive Site", "dive_site", int(Page::DiveSites)},
        {"Dive Resources", "dive_resources", int(Page::DiveResources)},
        {"Trip Reports", "trip_reports", int(Page::TripReport)},
        {"Equipment", "equipment", int(Page::Equipment)},
        {"Dive Computer", "dive_computer", int(Page::DiveComputer)},
        {"Pictures", "pictures", int(Page::Pictures)},
        {"Search", "search", int(Page::Search)},
        {"ZAF Main", "zaf_main", int(Page::ZafMain)},
        {"Others' Logs", "others_logs", int(Page::OthersLogs)},
        {"Statistics", "statistics", int(Page::Statistics)},
        {"Message Board", "message_board", int(Page::MessageBoard)},
        {"Exit ZAF", "exit", ExitCommand},
        {"Configure ZAF", "configure", ConfigureCommand},
    };
    return buttons;
}

QIcon toolButtonIcon(const ToolButton& button, int size)
{
    QIcon icon;
    icon.addPixmap(render(button, size));
    icon.addPixmap(render(button, size * 2));
    return icon;
}

QPixmap pageIcon(Page page, int size)
{
    for (const ToolButton& button : toolButtons())
        if (button.page == int(page))
            return render(button, size);
    return badge(QStringLiteral("ZAF"), size);
}

} // namespace zaf::gui
