// Each interface language as start-up installs it, walked as a user sees
// it: the main window (every tab, a loop selection with its labels, riff
// steps and a song), every page of the preferences, the message boxes the
// app shows and its file dialogs. A text that the language's file
// translates but that shows in English was looked up under another context
// than the file's; a text of Qt's file dialog that no installed translation
// has shows in English; a text wider than its widget is cut off. One suite
// per language, so that ctest runs them side by side.
#include "BeatSelection.h"
#include "ChordTabButtons.h"
#include "JamTab.h"
#include "LanguageTab.h"
#include "MetaDataThread.h"
#include "MouseEvents.h"
#include "PathsTab.h"
#include "PlotSelection.h"
#include "Plotter.h"
#include "PreferencesDialogs.h"
#include "PreferencesMenu.h"
#include "ShellTestSupport.h"
#include "ShortcutsTab.h"
#include "SongStep.h"
#include "TabButtons.h"
#include "TabWidget.h"
#include "TextFit.h"
#include "WaveBg.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <functional>

namespace {

constexpr int analysisTimeoutMs = 60000;

// Texts judged otherwise, each with its reason. A code of "*" stands for
// every language.
struct Exception
{
    const char* code;
    const char* text;
    const char* reason;
};

const Exception exceptions[] = {
    {"*", "...", "the folder buttons' dots are the same in every language"},
    {"*", "WAV (*.wav)", "the open dialog names the formats after its first filter as written"},
    // Qt's file list, as Debian's catalogues (and ours for Bokmål) head it.
    {"de", "Computer", "the German word is the same"},
    {"de", "Name", "the German word is the same"},
    {"dk", "Computer", "the Danish word is the same"},
    {"dk", "Type", "the Danish word is the same"},
    {"fr", "Type", "the French word is the same"},
    {"it", "Computer", "the Italian word is the same"},
    {"nl", "Computer", "the Dutch word is the same"},
    {"nl", "Type", "the Dutch word is the same"},
    {"no", "Type", "the Norwegian word is the same"},
};

bool excepted(const QString& code, const QString& text)
{
    for (const Exception& e : exceptions) {
        if ((QLatin1String(e.code) == QLatin1String("*") || code == QLatin1String(e.code))
            && text == QString::fromUtf8(e.text))
            return true;
    }
    return false;
}

// The translation file of one language: which shown texts are its sources
// left untranslated.
class Catalogue
{
public:
    explicit Catalogue(const QString& code)
    {
        QFile file(QStringLiteral(TRANSLATIONS_DIR) + "/tonbrook_" + code + ".ts");
        if (!file.open(QIODevice::ReadOnly)) {
            error = "cannot read " + file.fileName();
            return;
        }
        QXmlStreamReader xml(&file);
        QString source;
        QList<QPair<QString, QString>> pairs;
        while (!xml.atEnd()) {
            xml.readNext();
            if (!xml.isStartElement())
                continue;
            if (xml.name() == QLatin1String("source"))
                source = xml.readElementText();
            else if (xml.name() == QLatin1String("translation"))
                pairs.append({source, xml.readElementText()});
        }
        QSet<QString> translations;
        for (const auto& pair : pairs)
            translations.insert(pair.second);
        for (const auto& pair : pairs) {
            // A source that reads the same translated, or that is another
            // entry's translation, may rightly be shown.
            if (pair.first == pair.second || translations.contains(pair.first))
                continue;
            // The placeholders stand for any text; the rest as it is.
            QStringList parts = pair.first.split(QRegularExpression(QStringLiteral("%\\d")));
            for (QString& part : parts)
                part = QRegularExpression::escape(part);
            sources.append({pair.first, QRegularExpression("^" + parts.join(QStringLiteral(".+")) + "$")});
        }
    }

    // The source that text is, untranslated; empty when none. Rich texts
    // count by their plain text, message boxes also line by line.
    QString untranslatedSource(const QString& text) const
    {
        QStringList pieces{text, textfit::plainText(text)};
        pieces += text.split(QStringLiteral("<br />"));
        for (const auto& source : sources) {
            for (const QString& piece : pieces) {
                if (source.second.match(piece).hasMatch())
                    return source.first;
            }
        }
        return QString();
    }

    QString error;

private:
    QList<QPair<QString, QRegularExpression>> sources;
};

// Every text the translators are asked for under the contexts of Qt's file
// dialog and its file list; it answers none of them itself.
class FileDialogLookups final : public QTranslator
{
public:
    struct Lookup
    {
        QByteArray context;
        QByteArray source;
        QByteArray disambiguation;
    };

    QList<Lookup> take()
    {
        QList<Lookup> taken = lookups_;
        lookups_.clear();
        return taken;
    }

    QString translate(const char* context, const char* source, const char* disambiguation, int) const override
    {
        const QByteArray name(context);
        if (name == "QFileDialog" || name == "QFileSystemModel")
            lookups_.append({name, QByteArray(source), QByteArray(disambiguation)});
        return QString();
    }
    bool isEmpty() const override { return false; }

private:
    mutable QList<Lookup> lookups_;
};

// Records the boxes and dialogs of the main window and of the preferences,
// title and text apart, and answers each with No, Cancel or nothing.
class BoxRecorder final : public ShellDialogs, public PreferencesDialogs
{
public:
    QStringList texts;
    // When set, the open and save dialogs are the app's, Qt's own (the
    // offscreen platform has no native ones), shown to this before they are
    // cancelled.
    std::function<void(QFileDialog&)> showFileDialog;

    QString getOpenFileName(QWidget* parent, const QString& caption, const QString& startPath,
                            const QString& filter) override
    {
        texts << caption << filter.split(QStringLiteral(";;"));
        if (showFileDialog)
            return openFileDialog(parent, caption, startPath, filter, QFileDialog::AcceptOpen);
        return nextFile();
    }
    QString getSaveFileName(QWidget* parent, const QString& caption, const QString& startPath,
                            const QString& filter, QString*) override
    {
        texts << caption << filter.split(QStringLiteral(";;"));
        if (showFileDialog)
            return openFileDialog(parent, caption, startPath, filter, QFileDialog::AcceptSave);
        return nextFile();
    }
    QMessageBox::StandardButton question(QWidget*, const QString& title, const QString& text,
                                         QMessageBox::StandardButtons, QMessageBox::StandardButton) override
    {
        texts << title << text;
        return QMessageBox::Cancel;
    }
    void warning(QWidget*, const QString& title, const QString& text) override { texts << title << text; }
    void information(QWidget*, const QString& title, const QString& text) override { texts << title << text; }
    void about(QWidget*, const QString& richText) override { texts << richText; }
    void openUrl(const QUrl&) override { }
    QMessageBox::StandardButton question(QWidget*, const QString& title, const QString& text) override
    {
        texts << title << text;
        return QMessageBox::No;
    }
    QString existingDirectory(QWidget*, const QString& caption, const QString&, QFileDialog::Options) override
    {
        texts << caption;
        return nextFile();
    }
    RestartAnswer askRestart(const QString& text, const QString& informativeText, const QString& relaunchText,
                             const QString& cancelText) override
    {
        texts << text << informativeText << relaunchText << cancelText;
        return RestartAnswer::Cancel;
    }

    std::deque<QString> files; // answers of the file and folder dialogs

private:
    QString openFileDialog(QWidget* parent, const QString& caption, const QString& startPath,
                           const QString& filter, QFileDialog::AcceptMode mode)
    {
        const auto dialog = makeFileDialog(parent, caption, startPath, filter, mode);
        dialog->show();
        showFileDialog(*dialog);
        dialog->reject();
        return QString();
    }

    QString nextFile()
    {
        if (files.empty())
            return QString();
        const QString answer = files.front();
        files.pop_front();
        return answer;
    }
};

class InterfaceLanguage : public shell_test::ShellTest, public ::testing::WithParamInterface<const char*>
{
protected:
    QString code;
    QList<QTranslator*> translators;
    FileDialogLookups fileDialogLookups;
    std::unique_ptr<Catalogue> catalogue;
    BoxRecorder* boxes = nullptr;
    std::unique_ptr<BoxRecorder> preferenceBoxes = std::make_unique<BoxRecorder>();
    QStringList faults;

    void SetUp() override
    {
        ShellTest::SetUp();
        code = QString::fromLatin1(GetParam());
        translators = installTranslators(code);
        // Asked first: it sees every lookup and passes each on.
        QCoreApplication::installTranslator(&fileDialogLookups);
        catalogue = std::make_unique<Catalogue>(code);
        ASSERT_TRUE(catalogue->error.isEmpty()) << catalogue->error.toStdString();
        makeWindow();
        auto recorder = std::make_unique<BoxRecorder>();
        boxes = recorder.get();
        window->setDialogs(std::move(recorder));
        window->preferences()->setDialogs(preferenceBoxes.get());
    }

    void TearDown() override
    {
        ShellTest::TearDown();
        QCoreApplication::removeTranslator(&fileDialogLookups);
        for (QTranslator* translator : translators) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }

    void judge(const QString& text, const QString& where)
    {
        if (text.isEmpty() || excepted(code, text))
            return;
        const QString source = catalogue->untranslatedSource(text);
        if (!source.isEmpty())
            faults << where + ": \"" + text + "\" is the untranslated \"" + source + "\"";
    }

    void walk(QWidget* top, const QString& view)
    {
        for (const textfit::Shown& shown : textfit::visibleTexts(top)) {
            judge(shown.text, view + " " + shown.where);
            if (shown.needed > shown.available && !excepted(code, shown.text))
                faults << QString("%1 %2: \"%3\" needs %4 px, has %5")
                              .arg(view, shown.where, shown.text)
                              .arg(shown.needed)
                              .arg(shown.available);
        }
    }

    void judgeBoxes(const QStringList& texts, const QString& view)
    {
        for (const QString& text : texts)
            judge(text, view);
    }

    // Every text Qt's file dialog looked up since the last call comes out
    // translated, unless the language's word is the same. The shortcuts'
    // key texts ("Alt+Left") are parsed, never shown.
    void judgeFileDialogLookups(const QString& view)
    {
        const QRegularExpression keys(QStringLiteral("^(Alt|Ctrl|Shift|Meta)\\+"));
        QSet<QByteArray> judged;
        for (const FileDialogLookups::Lookup& lookup : fileDialogLookups.take()) {
            const QString source = QString::fromUtf8(lookup.source);
            if (keys.match(source).hasMatch() || excepted(code, source))
                continue;
            const QByteArray key = lookup.context + '\0' + lookup.source + '\0' + lookup.disambiguation;
            if (judged.contains(key))
                continue;
            judged.insert(key);
            const QString shown = QCoreApplication::translate(
                lookup.context.constData(), lookup.source.constData(),
                lookup.disambiguation.isEmpty() ? nullptr : lookup.disambiguation.constData());
            if (shown == source)
                faults << view + ": Qt's \"" + source + "\" (" + QString::fromUtf8(lookup.context)
                        + ") is not translated";
        }
        fileDialogLookups.take(); // the lookups made here
    }

    // One file dialog as a user goes through it: the list, the details
    // with their headers, the list's context menu, and the box that a name
    // to overwrite (save) or a name that is not there (open) brings up.
    void goThrough(QFileDialog& dialog, const QString& existing)
    {
        const QString view = "file dialog \"" + dialog.windowTitle() + "\"";
        // Set from timers inside the modal loops below.
        bool menuSeen = false;
        bool boxSeen = false;
        // The file list fills from a thread of its own.
        if (auto* model = dialog.findChild<QFileSystemModel*>()) {
            QSignalSpy loaded(model, &QFileSystemModel::directoryLoaded);
            loaded.wait(5000);
        }
        dialog.setViewMode(QFileDialog::Detail);
        QCoreApplication::processEvents();
        walk(&dialog, view + ", details");
        dialog.setViewMode(QFileDialog::List);
        QCoreApplication::processEvents();
        walk(&dialog, view + ", list");

        auto* list = dialog.findChild<QListView*>(QStringLiteral("listView"));
        if (list != nullptr) {
            QTimer::singleShot(0, &dialog, [&] {
                if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                    walk(menu, view + ", context menu");
                    menuSeen = true;
                    menu->close();
                }
            });
            emit list->customContextMenuRequested(QPoint(2, 2));
            EXPECT_TRUE(menuSeen) << view.toStdString() << ": no context menu";
        }

        QTimer::singleShot(0, &dialog, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                walk(box, view + ", box");
                boxSeen = true;
                box->reject();
            }
        });
        dialog.selectFile(dialog.acceptMode() == QFileDialog::AcceptSave ? existing : temp.filePath("gone.wav"));
        static_cast<QDialog&>(dialog).accept(); // QFileDialog's own, as its button calls it
        EXPECT_TRUE(boxSeen) << view.toStdString() << ": no question";
        judgeFileDialogLookups(view);
    }

    std::string report() const { return faults.join('\n').toStdString(); }
};

TEST_P(InterfaceLanguage, MainWindowWithASelectionRiffStepsAndASong)
{
    const QString song = writeSong("song.wav", 4);
    window->show();
    ASSERT_EQ(window->open(song, false), 0);
    ASSERT_TRUE(window->analysisThread()->wait(analysisTimeoutMs));
    QCoreApplication::processEvents();

    Plotter* plotter = window->waveArea()->plotter;
    PlotSelection* selection = plotter->plotSelection;
    // Several beats of the whole canvas (it is wider than the view when
    // zoomed in), then the pointer over them: the count reads "BEATS".
    const int y = selection->height() / 2;
    const int end = selection->width() / 2;
    press(selection, {selection->width() / 10, y}, Qt::LeftButton);
    move(selection, {end, y}, Qt::LeftButton);
    release(selection, {end, y}, Qt::LeftButton);
    move(selection, {end - 10, y}, Qt::NoButton);
    const QString beats = QCoreApplication::translate("PlotSelection", "BEATS");
    bool counted = false;
    for (QLabel* label : selection->findChildren<QLabel*>())
        counted = counted || (label->isVisible() && label->text().contains(beats));
    EXPECT_TRUE(counted) << "the selection shows no count of beats";

    JamTab* jam = window->tabArea()->jamTab;
    for (int slot = 0; slot < 16; ++slot)
        jam->songStep->setRiffFromMenu(slot % 6, slot);

    TabButtons* tabs = window->tabArea()->tabButtons;
    for (int tab = 0; tab < 3; ++tab) {
        tabs->setCurrentTab(tab);
        walk(window.get(), "main window, tab " + QString::number(tab));
    }

    BeatSelection* riff = plotter->beatSelections[0];
    for (int step = 0; step < 12; ++step) {
        riff->setArmedStep(step, step + 1);
        riff->lockSelection();
    }
    plotter->switchSelectionWidget(1);
    walk(window.get(), "main window, riff steps");
    EXPECT_TRUE(faults.isEmpty()) << report();
}

TEST_P(InterfaceLanguage, EveryPreferencesPage)
{
    PreferencesMenu* preferences = window->preferences();
    // A combination of two modifiers, in the language's own key names.
    preferences->shortcutsTab->keyPressed(QStringLiteral("CTRL+SHIFT+K"));
    preferences->shortcutsTab->setShortcut();
    preferences->show();
    auto* pages = preferences->findChild<QTabWidget*>();
    ASSERT_NE(pages, nullptr);
    for (int page = 0; page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        QCoreApplication::processEvents(); // the layout settles as on screen
        walk(preferences, "preferences page " + QString::number(page));
    }
    EXPECT_TRUE(faults.isEmpty()) << report();
}

TEST_P(InterfaceLanguage, MessageBoxes)
{
    // The open road: a file that is gone, one that is no audio, the
    // riff and song exports with nothing to export, a session that is no
    // session, an export that cannot be written.
    boxes->files = {QString()};
    window->open(temp.filePath("gone.wav"), false);
    QFile noAudio(temp.filePath("noise.wav"));
    ASSERT_TRUE(noAudio.open(QIODevice::WriteOnly));
    noAudio.write(QByteArray(4096, 'x'));
    noAudio.close();
    window->open(noAudio.fileName(), false);

    const QString song = writeRecording("tone.wav");
    ASSERT_EQ(window->open(song, false), 0);
    ASSERT_TRUE(window->analysisThread()->wait(analysisTimeoutMs));
    QCoreApplication::processEvents();
    for (const char* slot : {"exportRiffWav", "exportSongWav"})
        QMetaObject::invokeMethod(window.get(), slot);
    boxes->files = {temp.filePath("no folder/take.wav")};
    QMetaObject::invokeMethod(window.get(), "exportAudioMP3", Q_ARG(bool, false));
    // A written export, its progress text read while it runs (it lets
    // pending events run at each percent).
    QLabel* progress = window->waveArea()->progressLabel;
    QStringList progressTexts;
    QTimer::singleShot(0, progress, [&] { progressTexts << progress->text(); });
    boxes->files = {temp.filePath("take.wav")};
    QMetaObject::invokeMethod(window.get(), "exportAudioMP3", Q_ARG(bool, false));
    ASSERT_EQ(progressTexts.size(), 1) << "the export let no events run";
    judgeBoxes(progressTexts, "export progress");
    boxes->files = {noAudio.fileName()};
    QMetaObject::invokeMethod(window.get(), "loadSession", Q_ARG(bool, false));
    QMetaObject::invokeMethod(window.get(), "about");

    // While an analysis runs: opening, loading and saving a session wait.
    MetaDataThread* analysis = window->analysisThread();
    std::vector<float> noise(44100 * 4);
    for (size_t i = 0; i < noise.size(); ++i)
        noise[i] = 0.2f * static_cast<float>((i * 7919) % 2001) / 1000.0f - 0.2f;
    analysis->initMonoData(noise.data(), noise.data(), static_cast<int>(noise.size()), false, 44100);
    analysis->start();
    window->open(song, false);
    QMetaObject::invokeMethod(window.get(), "loadSession", Q_ARG(bool, false));
    QMetaObject::invokeMethod(window.get(), "saveSessionFileAs");
    analysis->wait();
    QCoreApplication::processEvents();
    judgeBoxes(boxes->texts, "main window box");

    // The preferences: a folder that cannot hold files, the two restores,
    // a key already in use, the restart for a new language.
    PreferencesMenu* preferences = window->preferences();
    preferenceBoxes->files = {"/proc/tonbrook"};
    QMetaObject::invokeMethod(preferences->pathsTab, "selectTBPath");
    QMetaObject::invokeMethod(preferences->pathsTab, "restoreDefaults");
    preferences->shortcutsTab->restoreDefaults();
    preferences->shortcutsTab->keyPressed(QStringLiteral("CTRL+O"));
    preferences->shortcutsTab->setShortcut();
    auto* other = preferences->languageTab->findChild<QRadioButton*>(code == "de" ? "fr" : "de");
    ASSERT_NE(other, nullptr);
    other->click();
    preferences->languageTab->setLanguage();
    judgeBoxes(preferenceBoxes->texts, "preferences box");

    EXPECT_GE(boxes->texts.size(), 20) << "the boxes were not reached";
    EXPECT_GE(preferenceBoxes->texts.size(), 12) << "the boxes were not reached";
    EXPECT_TRUE(faults.isEmpty()) << report();
}

TEST_P(InterfaceLanguage, FileDialogs)
{
    const QString take = writeRecording("take.wav");
    ASSERT_EQ(window->open(take, false), 0);
    ASSERT_TRUE(window->analysisThread()->wait(analysisTimeoutMs));
    QCoreApplication::processEvents();
    fileDialogLookups.take();

    int shown = 0;
    boxes->showFileDialog = [&](QFileDialog& dialog) {
        ++shown;
        goThrough(dialog, take);
    };
    QMetaObject::invokeMethod(window.get(), "open");
    QMetaObject::invokeMethod(window.get(), "saveSessionFileAs");
    QMetaObject::invokeMethod(window.get(), "exportAudioMP3", Q_ARG(bool, false));
    QMetaObject::invokeMethod(window.get(), "loadSession", Q_ARG(bool, false));
    EXPECT_EQ(shown, 4) << "a file dialog was not reached";
    judgeBoxes(boxes->texts, "file dialog caption or filter");
    EXPECT_TRUE(faults.isEmpty()) << report();
}

// One instantiation per language: each is a suite of its own for ctest.
#define WALK_LANGUAGE(language)                                                                                   \
    INSTANTIATE_TEST_SUITE_P(language, InterfaceLanguage, ::testing::Values(#language),                           \
                             [](const auto&) { return std::string(#language); })

WALK_LANGUAGE(cn);
WALK_LANGUAGE(de);
WALK_LANGUAGE(dk);
WALK_LANGUAGE(es);
WALK_LANGUAGE(fi);
WALK_LANGUAGE(fr);
WALK_LANGUAGE(in);
WALK_LANGUAGE(it);
WALK_LANGUAGE(jp);
WALK_LANGUAGE(kr);
WALK_LANGUAGE(nl);
WALK_LANGUAGE(no);
WALK_LANGUAGE(pl);
WALK_LANGUAGE(pt);
WALK_LANGUAGE(ru);
WALK_LANGUAGE(se);

// The opener writes its text right of its funnel: the check measures it
// there, so a width that cuts the Finnish word fails though the whole
// button is wider than the word.
TEST(PaintedTextFit, TheFilterOpenerIsMeasuredRightOfItsFunnel)
{
    QTranslator finnish;
    ASSERT_TRUE(finnish.load(QStringLiteral(":/translations/tonbrook_fi.qm")));
    FilterOpener opener(nullptr);
    opener.setText(finnish.translate("ChordsTab", "FILTER"));
    ASSERT_EQ(opener.text(), QStringLiteral("SUODATIN"));
    for (const auto& [width, fits] : {std::pair{int(FilterOpener::openerWidth), true}, std::pair{64, false}}) {
        opener.setFixedWidth(width);
        const QVector<textfit::Shown> shown = textfit::visibleTexts(&opener);
        ASSERT_EQ(shown.size(), 1);
        EXPECT_EQ(shown.at(0).needed <= shown.at(0).available, fits)
            << width << " px: needs " << shown.at(0).needed << ", has " << shown.at(0).available;
    }
}

TEST(InterfaceLanguages, EveryTranslatedLanguageIsWalked)
{
    QStringList walked;
    const ::testing::UnitTest& unit = *::testing::UnitTest::GetInstance();
    for (int i = 0; i < unit.total_test_suite_count(); ++i) {
        const QString name = QString::fromLatin1(unit.GetTestSuite(i)->name());
        if (name.endsWith(QLatin1String("/InterfaceLanguage")))
            walked << name.section(QLatin1Char('/'), 0, 0);
    }
    walked.sort();
    QStringList expected = translatedLanguageCodes();
    expected.sort();
    EXPECT_EQ(walked, expected);
}

} // namespace
