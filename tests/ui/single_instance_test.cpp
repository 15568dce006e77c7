// A second copy of the program on the same home is refused before it opens a table.
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace {

// Every file of the data directory with its size, time and contents.
QStringList snapshot(const QString& dataDir)
{
    QStringList state;
    QDirIterator it(dataDir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        QFile file(info.filePath());
        QByteArray hash;
        if (file.open(QIODevice::ReadOnly))
            hash = QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1).toHex();
        state << QStringLiteral("%1 %2 %3 %4")
                     .arg(info.fileName())
                     .arg(info.size())
                     .arg(info.lastModified().toMSecsSinceEpoch())
                     .arg(QString::fromLatin1(hash));
    }
    state.sort();
    return state;
}

bool waitFor(const std::function<bool()>& condition, int milliseconds)
{
    for (int waited = 0; waited < milliseconds; waited += 50) {
        if (condition())
            return true;
        QThread::msleep(50);
    }
    return condition();
}

struct Copy {
    QProcess process;
    ~Copy()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(5000);
        }
    }
};

TEST(SingleInstance, SecondCopyOnOneHomeIsRefusedAndTouchesNoTable)
{
    QTemporaryDir home, settings;
    ASSERT_TRUE(home.isValid() && settings.isValid());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), settings.path());
    const QStringList args{QStringLiteral("--home"), home.path()};

    Copy first;
    first.process.setProcessEnvironment(env);
    first.process.start(QStringLiteral(ZAF_PROGRAM), args);
    ASSERT_TRUE(first.process.waitForStarted(10000));
    const QString dataDir = home.filePath(QStringLiteral("data"));
    // The first copy is at its login window once its tables exist.
    ASSERT_TRUE(waitFor([&] { return QFileInfo::exists(dataDir + QStringLiteral("/MessageBoard.DB")); }, 20000));
    QThread::msleep(500);
    const QStringList before = snapshot(dataDir);

    Copy second;
    second.process.setProcessEnvironment(env);
    second.process.start(QStringLiteral(ZAF_PROGRAM), args);
    ASSERT_TRUE(second.process.waitForStarted(10000));
    QByteArray said;
    waitFor([&] {
        second.process.waitForReadyRead(50);
        said += second.process.readAllStandardError();
        return said.contains("ZAF is already running.");
    }, 20000);
    EXPECT_TRUE(said.contains("ZAF is already running.")) << said.toStdString();
    EXPECT_EQ(snapshot(dataDir), before);
    EXPECT_EQ(first.process.state(), QProcess::Running) << "the first copy runs on";
}

} // namespace
