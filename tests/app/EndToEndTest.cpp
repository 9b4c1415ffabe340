// The whole application, twice on the same recording given on the command
// line: the first run analyses it, the second reads the cache. Each run is
// the driver program in its own process (one application object per
// process), headless, on the silent device, with its own folders.
//
// Then one window and later starts of the application itself: each hands
// its file to the window and leaves.
#include "ShellTestSupport.h"

#include "FileNameCodec.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSettings>
#include <QTextCodec>

#include <cstdio>

namespace {

using shell_test::ShellTest;

constexpr int runTimeoutMs = 120000;

// Headless, silent, and every folder of the user's below folder.
QProcessEnvironment privateEnvironment(const QString& folder)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("TONBROOK_AUDIO", "none");
    environment.insert("HOME", folder + "/home");
    environment.insert("XDG_DATA_HOME", folder + "/data");
    environment.insert("XDG_CONFIG_HOME", folder + "/config");
    environment.insert("XDG_RUNTIME_DIR", folder + "/runtime");
    QDir().mkpath(folder + "/home");
    QDir().mkpath(folder + "/runtime");
    QFile::setPermissions(folder + "/runtime",
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return environment;
}

QJsonObject runApplication(const QString& folder, const QString& recording)
{
    QProcess process;
    process.setProcessEnvironment(privateEnvironment(folder));
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.start(QStringLiteral(TONBROOK_E2E_DRIVER), {recording});
    if (!process.waitForFinished(runTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        ADD_FAILURE() << "the application did not finish in time";
        return {};
    }
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << process.readAllStandardError().toStdString();
    EXPECT_EQ(process.exitCode(), 0);
    const QByteArray output = process.readAllStandardOutput();
    const QJsonDocument report = QJsonDocument::fromJson(output.trimmed().split('\n').last());
    EXPECT_TRUE(report.isObject()) << output.toStdString();
    return report.object();
}

QStringList strings(const QJsonValue& value)
{
    QStringList list;
    for (const QJsonValue& entry : value.toArray())
        list << entry.toString();
    return list;
}

TEST_F(ShellTest, TheApplicationOpensAnalysesPlaysAndReadsItsCacheOnTheNextStart)
{
    const QString song = writeSong("song.wav", 12);

    const QJsonObject first = runApplication(temp.path(), song);
    ASSERT_FALSE(first.contains("error")) << first["error"].toString().toStdString();
    EXPECT_GE(first["openAfterMs"].toDouble(), 1050.0) << "the command line waits for the event loop";
    EXPECT_TRUE(first["processingShown"].toBool());
    EXPECT_EQ(first["title"].toString(), "Tonbrook | song.wav");
    const QStringList chords = strings(first["chords"]);
    for (const char* name : {"C", "G", "Am", "F"})
        EXPECT_TRUE(chords.contains(name)) << name;
    const QStringList strip = strings(first["strip"]);
    EXPECT_FALSE(strip.isEmpty());
    for (const QString& name : strip)
        EXPECT_TRUE(chords.contains(name) || name == "-") << name.toStdString();
    EXPECT_TRUE(first["playing"].toBool());
    EXPECT_GT(first["positionAfter"].toDouble(), first["positionBefore"].toDouble() + 4410.0)
        << "at least a tenth of a second played";

    const QJsonObject second = runApplication(temp.path(), song);
    ASSERT_FALSE(second.contains("error")) << second["error"].toString().toStdString();
    EXPECT_FALSE(second["processingShown"].toBool()) << "the cache is read, nothing analysed";
    EXPECT_EQ(strings(second["chords"]), chords);
    EXPECT_EQ(strings(second["strip"]), strip);
}

// The window of the first start: the driver, watching what it shows.
class RunningWindow
{
public:
    explicit RunningWindow(const QString& folder)
    {
        process_.setProcessEnvironment(privateEnvironment(folder));
        process_.setProcessChannelMode(QProcess::SeparateChannels);
        process_.start(QStringLiteral(TONBROOK_E2E_DRIVER), {"--hand-over"});
    }
    ~RunningWindow()
    {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished();
        }
    }

    // The first line from now on that holds every field of wanted.
    QJsonObject waitFor(const QJsonObject& wanted)
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < runTimeoutMs) {
            while (process_.canReadLine()) {
                const QJsonObject line = QJsonDocument::fromJson(process_.readLine()).object();
                bool matches = true;
                for (auto it = wanted.begin(); it != wanted.end(); ++it)
                    matches = matches && line.value(it.key()) == it.value();
                if (matches)
                    return line;
            }
            if (!process_.waitForReadyRead(1000) && process_.state() == QProcess::NotRunning)
                break;
        }
        ADD_FAILURE() << "the window never showed " << QJsonDocument(wanted).toJson().toStdString()
                      << process_.readAllStandardError().toStdString();
        return {};
    }

    // Closes the window: its last line, and its exit code.
    QJsonObject quit(int& exitCode)
    {
        process_.write("quit\n");
        const QJsonObject last = waitFor({{"analysing", false}});
        EXPECT_TRUE(process_.waitForFinished(runTimeoutMs));
        exitCode = process_.exitCode();
        return last;
    }

private:
    QProcess process_;
};

// A later start of the application itself: its exit code, and how long it
// ran.
struct LaterStart
{
    int exitCode = -1;
    qint64 ms = 0;
};

LaterStart startAgain(const QString& folder, const QStringList& arguments)
{
    QProcess process;
    process.setProcessEnvironment(privateEnvironment(folder));
    QElapsedTimer clock;
    clock.start();
    process.start(QStringLiteral(TONBROOK_APP), arguments);
    // A start that ran a window of its own would never end by itself.
    if (!process.waitForFinished(runTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        ADD_FAILURE() << "the later start did not leave";
        return {};
    }
    EXPECT_TRUE(process.readAllStandardError().isEmpty());
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, clock.elapsed()};
}

class HandOverEndToEnd : public ShellTest
{
};

TEST_F(HandOverEndToEnd, LaterStartsHandTheirFilesToTheOneWindowAndLeave)
{
    const QString song = writeSong("Song.WAV", 6);
    const QString session = temp.filePath("practice.tb");
    QFile file(session);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(("<!DOCTYPE TBXML><tbxml><fileName>" + song + "</fileName><looped>1</looped></tbxml>").toUtf8());
    file.close();
    const QString settings = temp.path() + "/config/Halvarine/Tonbrook.conf";

    RunningWindow first(temp.path());
    first.waitFor({{"ready", true}});

    const LaterStart withFile = startAgain(temp.path(), {song});
    EXPECT_EQ(withFile.exitCode, 0);
    first.waitFor({{"file", song}, {"analysing", false}, {"busy", false}});

    const LaterStart withSession = startAgain(temp.path(), {session});
    EXPECT_EQ(withSession.exitCode, 0);
    first.waitFor({{"session", session}});

    const LaterStart withNothing = startAgain(temp.path(), {});
    EXPECT_EQ(withNothing.exitCode, 0);
    EXPECT_FALSE(QFile::exists(settings)) << "only the window writes the settings, when it closes";

    int exitCode = -1;
    const QJsonObject last = first.quit(exitCode);
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(last["windows"].toInt(), 1);
    EXPECT_EQ(last["title"].toString(), "Tonbrook | Song.WAV");
    QSettings stored(settings, QSettings::IniFormat);
    EXPECT_EQ(stored.value("MainWindow/recent files").toStringList(), (QStringList{session, song}));
    std::printf("later starts left after %lld, %lld and %lld ms\n", withFile.ms, withSession.ms, withNothing.ms);
}

TEST_F(ShellTest, ARecordingWhoseNameIsNoUtf8OpensFromTheCommandLine)
{
    // The argument goes out with the name's own bytes, as a shell passes it.
    QTextCodec* previous = QTextCodec::codecForLocale();
    FileNameCodec::install();
    const QString written = writeSong("written.wav", 4);
    const QByteArray raw = QFile::encodeName(temp.path()) + "/caf\xe9.wav";
    ASSERT_EQ(::rename(QFile::encodeName(written).constData(), raw.constData()), 0);
    const QJsonObject run = runApplication(temp.path(), QFile::decodeName(raw));
    // Only the codec lists a name that is no UTF-8 for removal.
    temp.remove();
    QTextCodec::setCodecForLocale(previous);

    ASSERT_FALSE(run.contains("error")) << run["error"].toString().toStdString();
    EXPECT_TRUE(strings(run["chords"]).contains("C"));
    EXPECT_TRUE(run["title"].toString().startsWith("Tonbrook | caf")) << run["title"].toString().toStdString();
}

} // namespace
