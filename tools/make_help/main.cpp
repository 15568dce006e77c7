// Builds the program's help table (ZAFHelp.DB) from the readable topic source.
//
// Source format: a line "=== <number> <caption>" starts a topic; the lines up to the next
// such line are its text. Lines beginning with "#" before the first topic are notes for the
// writers and are skipped. Within a text, consecutive lines are joined into one paragraph
// (the help window wraps them itself); a blank line ends a paragraph, and a line beginning
// with "- " or with two blanks starts a line of its own.

#include "store/errors.h"
#include "store/schema.h"
#include "store/table.h"
#include "store/table_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QStringList>
#include <cstdio>

namespace {

struct Topic {
    QString caption;
    QStringList lines;
};

class SourceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

[[noreturn]] void fail(int line, const QString& what)
{
    throw SourceError(QStringLiteral("line %1: %2").arg(line).arg(what).toStdString());
}

/// The topic text: lines joined into paragraphs, paragraphs separated by one blank line.
QString joinText(const QStringList& lines)
{
    QStringList out;
    QString paragraph;
    auto flush = [&] {
        if (!paragraph.isEmpty())
            out.append(paragraph);
        paragraph.clear();
    };
    bool blankPending = false;
    for (const QString& raw : lines) {
        const QString line = raw.trimmed();
        if (line.isEmpty()) {
            flush();
            blankPending = !out.isEmpty();
            continue;
        }
        const bool ownLine = line.startsWith(QLatin1String("- ")) || raw.startsWith(QLatin1String("  "));
        if (ownLine || paragraph.isEmpty()) {
            flush();
            if (blankPending)
                out.append(QString());
            blankPending = false;
            paragraph = ownLine && raw.startsWith(QLatin1String("  ")) && !line.startsWith(QLatin1String("- "))
                            ? QStringLiteral("    ") + line
                            : line;
        } else {
            paragraph += u' ' + line;
        }
    }
    flush();
    return out.join(u'\n');
}

QMap<int, Topic> parse(const QString& text)
{
    QMap<int, Topic> topics;
    Topic* current = nullptr;
    const QStringList lines = text.split(u'\n');
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.startsWith(QLatin1String("==="))) {
            const QString header = line.mid(3).trimmed();
            const qsizetype space = header.indexOf(u' ');
            bool ok = false;
            const int id = header.left(space < 0 ? header.size() : space).toInt(&ok);
            const QString caption = space < 0 ? QString() : header.mid(space + 1).trimmed();
            if (!ok)
                fail(i + 1, QStringLiteral("the topic header needs a number: \"%1\"").arg(line));
            if (caption.isEmpty() || caption.size() > 255)
                fail(i + 1, QStringLiteral("topic %1 needs a caption of 1 to 255 characters").arg(id));
            if (topics.contains(id))
                fail(i + 1, QStringLiteral("topic %1 appears twice").arg(id));
            current = &topics[id];
            current->caption = caption;
            continue;
        }
        if (!current) {
            if (!line.trimmed().isEmpty() && !line.startsWith(u'#'))
                fail(i + 1, QStringLiteral("text before the first topic"));
            continue;
        }
        current->lines.append(line);
    }
    return topics;
}

void write(const QMap<int, Topic>& topics, const QString& dbFile)
{
    QString path = dbFile;
    if (path.endsWith(QLatin1String(".DB")))
        path.chop(3);
    QDir().mkpath(QFileInfo(path).absolutePath());
    zaf::store::table_file::create(path, zaf::store::schema::zafHelp());
    zaf::store::Table table(QStringLiteral("ZAFHelp"));
    table.setPath(path);
    table.setDefinition(zaf::store::schema::zafHelp());
    table.open();
    for (auto it = topics.constBegin(); it != topics.constEnd(); ++it)
        table.appendRecord({it.key(), it->caption, joinText(it->lines)});
    table.close();
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: zaf_make_help TOPICS.txt OUTPUT/ZAFHelp.DB\n");
        return 2;
    }
    QFile source(args[1]);
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "zaf_make_help: cannot read %s\n", qPrintable(args[1]));
        return 1;
    }
    try {
        const QMap<int, Topic> topics = parse(QString::fromUtf8(source.readAll()));
        if (!topics.contains(0))
            throw SourceError("topic 0, shown for every missing topic, is not there");
        write(topics, args[2]);
        std::printf("zaf_make_help: %lld topics written to %s\n", static_cast<long long>(topics.size()),
                    qPrintable(args[2]));
    } catch (const SourceError& e) {
        std::fprintf(stderr, "zaf_make_help: %s: %s\n", qPrintable(args[1]), e.what());
        return 1;
    } catch (const zaf::store::DatabaseError& e) {
        std::fprintf(stderr, "zaf_make_help: %s\n", qPrintable(e.message()));
        return 1;
    }
    return 0;
}
