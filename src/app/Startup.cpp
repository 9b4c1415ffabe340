#include "Startup.h"

#include "FileNameCodec.h"
#include "FileRoutes.h"
#include "MainWindow.h"
#include "SettingsStore.h"
#include "SingleInstance.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QPixmap>
#include <QSplashScreen>
#include <QStandardPaths>
#include <QThread>
#include <QTranslator>

#include <cstdio>

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
    {QLocale::Chinese, "cn"},    {QLocale::Danish, "dk"},          {QLocale::Dutch, "nl"},
    {QLocale::Finnish, "fi"},    {QLocale::French, "fr"},          {QLocale::German, "de"},
    {QLocale::Hindi, "in"},      {QLocale::Italian, "it"},         {QLocale::Japanese, "jp"},
    {QLocale::Korean, "kr"},     {QLocale::NorwegianBokmal, "no"}, {QLocale::Polish, "pl"},
    {QLocale::Portuguese, "pt"}, {QLocale::Russian, "ru"},         {QLocale::Spanish, "es"},
    {QLocale::Swedish, "se"},
};

// Qt's translations as Debian's qttranslations5-l10n ships them. It has
// none for Norwegian Bokmål or Hindi. Portugal's catalogue lacks the
// standard buttons; Brazil's spells them as Portugal does (OK, Cancelar,
// Sim, Não). Sweden's lacks them too, and comes from an older Qt that
// misses half of the file dialog.
const char* const qtTranslations[][2] = {
    {"cn", "qt_zh_CN"}, {"de", "qt_de"},    {"dk", "qt_da"}, {"es", "qt_es"}, {"fi", "qt_fi"},
    {"fr", "qt_fr"},    {"it", "qt_it"},    {"jp", "qt_ja"}, {"kr", "qt_ko"}, {"nl", "qt_nl"},
    {"pl", "qt_pl"},    {"pt", "qt_pt_BR"}, {"ru", "qt_ru"}, {"se", "qt_sv"},
};

const int minimumSplashMs = 1000;

// What the command line names, as the running window is to take it: a
// relative name is this process's, so it goes over absolute.
FileRoute handOverRoute()
{
    FileRoute route = FileRoutes::routeCommandLine(QCoreApplication::arguments());
    if (!route.path.isEmpty())
        route.path = QFileInfo(route.path).absoluteFilePath();
    return route;
}

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

QStringList translatedLanguageCodes()
{
    QStringList codes;
    for (const LocaleCode& entry : localeFallback)
        codes << QString::fromLatin1(entry.code);
    return codes;
}

QString qtTranslationName(const QString& code)
{
    for (const auto& entry : qtTranslations) {
        if (code == QLatin1String(entry[0]))
            return QString::fromLatin1(entry[1]);
    }
    return QString();
}

// The standard buttons of our dialogs and boxes, under Qt's own context:
// where a language's Qt translation lacks them (or Debian ships none), our
// file has them. Qt's translator is installed after ours, so its wording
// wins where it has one. "OK" reads the same nearly everywhere.
[[maybe_unused]] const char* const standardButtonTexts[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&Yes"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&No"),
};

QList<QTranslator*> installTranslators(const QString& code)
{
    QList<QTranslator*> installed;
    if (code.isEmpty() || code == QLatin1String("en"))
        return installed;
    auto* translator = new QTranslator(qApp);
    translator->load(":/translations/tonbrook_" + code + ".qm");
    QCoreApplication::installTranslator(translator);
    installed << translator;
    // The texts of Qt's file dialog, for the languages Debian leaves
    // without them; installed before Qt's own, whose wording wins.
    auto* fileDialog = new QTranslator(qApp);
    if (fileDialog->load(":/translations/qtbase_extra_" + code + ".qm")) {
        QCoreApplication::installTranslator(fileDialog);
        installed << fileDialog;
    } else {
        delete fileDialog;
    }
    const QString qtName = qtTranslationName(code);
    if (qtName.isEmpty())
        return installed;
    auto* qtTranslator = new QTranslator(qApp);
    if (qtTranslator->load(qtName, QLibraryInfo::location(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qtTranslator);
        installed << qtTranslator;
    } else {
        delete qtTranslator;
    }
    return installed;
}

QString handOverMessage(SingleInstance::Role role)
{
    // The window acts on a request only once its sender has confirmed,
    // which a sender that gave up never does.
    if (role == SingleInstance::Role::NoAnswer)
        return QStringLiteral("Tonbrook is running but did not answer: nothing was opened.");
    return QString();
}

void setStartupEnvironment()
{
    qputenv("QT_LOGGING_RULES", "qt.network.ssl.warning=false");
}

int main_(int argc, char** argv, const StartupObserver& onShown)
{
    // Before any file name is read, the arguments included.
    FileNameCodec::install();
    QApplication app(argc, argv);

    // One window per user: a later start hands its file to the running one
    // and leaves before it reads or writes any setting.
    SingleInstance instance(SingleInstance::userFolder());
    const SingleInstance::Role role = instance.start(handOverRoute());
    if (role == SingleInstance::Role::HandedOver || role == SingleInstance::Role::NoAnswer) {
        const QString message = handOverMessage(role);
        if (!message.isEmpty())
            std::fprintf(stderr, "%s\n", qPrintable(message));
        return role == SingleInstance::Role::HandedOver ? 0 : 1;
    }

    {
        const auto settings = SettingsStore::open();
        settings->beginGroup(QStringLiteral("Language"));
        installTranslators(
            languageCodeFor(settings->value(QStringLiteral("language")).toString(), QLocale().language()));
        settings->endGroup();
        settings->sync();
    }

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
    window.listenTo(&instance);
    splash.finish(&window);
    throwAway->deleteLater();
    if (onShown)
        onShown(window);

    return app.exec();
}
