#include "core/text_helpers.h"

#include "core/cancel_flag.h"

namespace zaf {
namespace {

// Replaces one character by another, one position at a time, and leaves the rest of the
// text as it is once the cancel flag goes up.
QString replaceUntilCancel(const QString& text, QChar from, QChar to)
{
    QString result = text;
    for (qsizetype i = 0; i < result.size(); ++i) {
        if (cancelRequested())
            break;
        if (result[i] == from)
            result[i] = to;
    }
    return result;
}

} // namespace

QString bs_to_fs(const QString& text)
{
    return replaceUntilCancel(text, QLatin1Char('\\'), QLatin1Char('/'));
}

QString fs_to_bs(const QString& text)
{
    return replaceUntilCancel(text, QLatin1Char('/'), QLatin1Char('\\'));
}

int booltoint(const QString& text)
{
    const QString word = text.trimmed().toUpper();
    if (word == QLatin1String("FALSE"))
        return 0;
    if (word == QLatin1String("TRUE"))
        return 1;
    return -1;
}

bool inttobool(int n)
{
    return n == 1;
}

bool isEmptyOrBlank(const QString& text)
{
    return text.isEmpty() || text == QLatin1String(" ");
}

} // namespace zaf
