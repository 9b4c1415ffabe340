// The whole application, twice on the same recording given on the command
// line: the first run analyses it, the second reads the cache. Each run is
// the driver program in its own process (one application object per
// process), headless, on the silent device, with its own folders.
#include "ShellTestSupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

namespace {

using shell_test::ShellTest;

constexpr int runTimeoutMs = 120000;

QJsonObject runApplication(const QString& folder, const QString& recording)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("TONBROOK_AUDIO", "none");
    environment.insert("XDG_DATA_HOME", folder + "/data");
    environment.insert("XDG_CONFIG_HOME", folder + "/config");
    environment.insert("XDG_RUNTIME_DIR", folder + "/runtime");
    QDir().mkpath(folder + "/runtime");
    QFile::setPermissions(folder + "/runtime",
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    process.setProcessEnvironment(environment);
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

} // namespace
