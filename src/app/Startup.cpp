#include "Startup.h"

#include "MainWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPixmap>
#include <QSettings>
#include <QSplashScreen>
#include <QStandardPaths>
#include <QThread>
#include <QTranslator>

// Taken during static initialisation: no application name is set yet, so
// this is the data folder itself (~/.local/share on Linux).
QString saveLocation = QStandardPaths::writableLocation(QStandardPaths::DataLocation);

namespace {

struct LocaleCode
{
    QLocale::Language language;
    const char* code;
};

// Only the language counts, never the country or script.
const LocaleCode localeFallback[] = {
    {QLocale::Chinese, "cn"},   {QLocale::Danish, "dk"},    {QLocale::Dutch, "nl"},
    {QLocale::Finnish, "fi"},   {QLocale::French, "fr"},    {QLocale::German, "de"},
    {QLocale::Hindi, "in"},     {QLocale::Italian, "it"},   {QLocale::Japanese, "jp"},
    {QLocale::Korean, "kr"},    {QLocale::NorwegianBokmal, "no"}, {QLocale::Polish, "pl"},
    {QLocale::Portuguese, "pt"}, {QLocale::Russian, "ru"},  {QLocale::Spanish, "es"},
    {QLocale::Swedish, "se"},
};

const int minimumSplashMs = 1000;

} // namespace

QString languageCodeFor(const QString& storedCode, QLocale::Language systemLanguage)
{
    if (!storedCode.isEmpty())
        return storedCode;
    for (const LocaleCode& entry : localeFallback) {
        if (entry.language == systemLanguage)
            return QString::fromLatin1(entry.code);
    }
    return QString();
}

void setStartupEnvironment()
{
    qputenv("QT_LOGGING_RULES", "qt.network.ssl.warning=false");
}

int main_(int argc, char** argv, const StartupObserver& onShown)
{
    QApplication app(argc, argv);

    QSettings settings("Halvarine", "Tonbrook");
    settings.beginGroup("Language");
    const QString code = languageCodeFor(settings.value("language").toString(),
                                         QLocale().language());
    if (!code.isEmpty() && code != "en") {
        // Installed even when the load fails: the interface then stays English.
        auto* translator = new QTranslator;
        translator->load(":/translations/tonbrook_" + code + ".qm");
        QCoreApplication::installTranslator(translator);
    }
    settings.endGroup();
    settings.sync();

    // Qt's own plug-in paths are kept: there is no application bundle here.

    auto* throwAway = new QWidget(nullptr, Qt::FramelessWindowHint);
    throwAway->setGeometry(QRect(0, 0, 1, 0));
    throwAway->setMaximumSize(1, 0);
    throwAway->show();
    throwAway->hide();

    saveLocation += "/Tonbrook";

    QPixmap splashPicture(":/images/splashscreen.png");
    QSplashScreen splash(splashPicture);
    splash.show();
    // The window system maps and paints the splash only from the event loop;
    // let it do so, but keep user input out until the main window exists.
    QElapsedTimer shown;
    shown.start();
    while (shown.elapsed() <= minimumSplashMs) {
        app.processEvents(QEventLoop::ExcludeUserInputEvents);
        QThread::msleep(5);
    }

    MainWindow window;
    splash.finish(&window);
    throwAway->deleteLater();
    if (onShown)
        onShown(window);

    return app.exec();
}
