// Bounded fuzzing of the session load through the main window's own slot
// (loadSession(true)) over a small analysed recording: a fixed seed, a
// few thousand documents made from the writer's output and from an empty
// root by structural, textual and byte-level mutations, and from hostile
// forms of the writer's output (entities declared, further document types
// of parameter entities, attributes and namespaces by the thousand) by
// byte-level ones. Every document must load or be refused without a crash,
// a hang or a sanitizer report; a hostile one is always refused while it
// holds what makes it so; afterwards no riff, song slot or tab lies outside
// its range, the play position lies within the recording, and saving gives
// a file the validator finds clean.
#include "ShellTestSupport.h"

#include "AudioPlayer.h"
#include "BeatSelection.h"
#include "HostileSessions.h"
#include "JamTab.h"
#include "MetaDataThread.h"
#include "PathsManager.h"
#include "Plotter.h"
#include "SessionDocument.h"
#include "SessionTestSupport.h"
#include "SessionValidator.h"
#include "SongStep.h"
#include "TabWidget.h"
#include "WaveBg.h"

#include <QCoreApplication>
#include <QDomDocument>
#include <QStackedWidget>
#include <QTextCodec>

#include <sys/stat.h>

#include <cstdio>
#include <functional>
#include <random>
#include <vector>

namespace {

using shell_test::ShellTest;

// Every fifth from the hostile seeds, which are refused before anything is
// read.
constexpr int caseCount = 3000;
constexpr unsigned fuzzSeed = 0x5e55105u;

// Every dialog cancelled, every box accepted: the fuzzer never waits.
class CancellingDialogs final : public ShellDialogs
{
public:
    QString getOpenFileName(QWidget*, const QString&, const QString&, const QString&) override
    {
        ++shown;
        return QString();
    }
    QString getSaveFileName(QWidget*, const QString&, const QString&, const QString&, QString*) override
    {
        ++shown;
        return QString();
    }
    QMessageBox::StandardButton question(QWidget*, const QString&, const QString&, QMessageBox::StandardButtons,
                                         QMessageBox::StandardButton) override
    {
        ++shown;
        return QMessageBox::Cancel;
    }
    void warning(QWidget*, const QString&, const QString& text) override
    {
        ++shown;
        lastWarning = text;
    }
    void information(QWidget*, const QString&, const QString&) override { ++shown; }
    void about(QWidget*, const QString&) override { ++shown; }
    void openUrl(const QUrl&) override { }
    int shown = 0;
    QString lastWarning;
};

class Mutator
{
public:
    Mutator(std::mt19937& rng, std::vector<QString> paths) : rng_(rng), paths_(std::move(paths)) { }

    QByteArray mutate(const QByteArray& seed, bool bytesOnly)
    {
        // The document model would expand the entities, drop the
        // declarations or take its time over the attributes: hostile seeds
        // change byte by byte only.
        if (bytesOnly)
            return pick(2) == 0 ? seed : mutateBytes(seed);
        QDomDocument doc;
        doc.setContent(seed);
        const int rounds = 1 + pick(4);
        for (int i = 0; i < rounds; ++i)
            mutateTree(doc);
        QByteArray bytes = doc.toString(pick(3)).toUtf8();
        if (pick(12) == 0)
            bytes = mutateBytes(bytes);
        return bytes;
    }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

    template <class T>
    const T& oneOf(const std::vector<T>& items)
    {
        return items[size_t(pick(int(items.size())))];
    }

    static void collect(const QDomElement& parent, std::vector<QDomElement>& out)
    {
        for (QDomElement e = parent.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
            out.push_back(e);
            collect(e, out);
        }
    }

    static bool isLeaf(const QDomElement& e) { return e.firstChildElement().isNull(); }

    QString number()
    {
        static const std::vector<QString> texts = {
            "",    "abc", "9999999999", "nan", "inf", "1e38", "-1", "-inf", "0x10", " 7 ",
            "1.5", "-0",  "2147483648", "6",   "16",  "-12",  "12", "0.66", "1e-40"};
        if (pick(3) == 0)
            return QString::number(std::uniform_int_distribution<int>(-100000, 2000000)(rng_));
        return oneOf(texts);
    }

    void mutateTree(QDomDocument& doc)
    {
        QDomElement root = doc.documentElement();
        std::vector<QDomElement> all;
        collect(root, all);
        const int op = pick(14);
        if (all.empty() && op < 11) {
            root.appendChild(doc.createElement(pick(2) ? "fileName" : "riffsTab"));
            return;
        }
        QDomElement target = all.empty() ? root : oneOf(all);
        switch (op) {
        case 0: // drop
            target.parentNode().removeChild(target);
            break;
        case 1: // repeat
            target.parentNode().insertAfter(target.cloneNode(true), target);
            break;
        case 2: { // reorder among the siblings
            QDomNode parent = target.parentNode();
            parent.removeChild(target);
            if (pick(2))
                parent.insertBefore(target, parent.firstChild());
            else
                parent.appendChild(target);
            break;
        }
        case 3: { // nest inside another element
            QDomElement host = oneOf(all);
            host.appendChild(target.cloneNode(true));
            break;
        }
        case 4: // a comment first
            target.insertBefore(doc.createComment("c"), target.firstChild());
            break;
        case 5: // the value as CDATA
            if (isLeaf(target)) {
                const QString text = target.text();
                while (target.hasChildNodes())
                    target.removeChild(target.firstChild());
                target.appendChild(doc.createCDATASection(text));
            }
            break;
        case 6: // an unknown element
            target.appendChild(doc.createElement(pick(2) ? "unknown" : "step"));
            break;
        case 7: // the root's case
            root.setTagName(pick(2) ? "TBXML" : "Tbxml");
            break;
        case 8: { // ids
            static const std::vector<QString> ids = {"-1", "6", "2147483648", "x", "", "99999999999999999999"};
            std::vector<QDomElement> numbered;
            for (const QDomElement& e : all)
                if (e.tagName() == "riff" || e.tagName() == "step")
                    numbered.push_back(e);
            if (!numbered.empty()) {
                QDomElement e = oneOf(numbered);
                e.setAttribute("id", oneOf(ids));
            }
            break;
        }
        case 9: { // seventeen steps (or more)
            std::vector<QDomElement> holders;
            for (const QDomElement& e : all)
                if (e.tagName() == "riff" || e.tagName() == "song")
                    holders.push_back(e);
            if (!holders.empty()) {
                QDomElement holder = oneOf(holders);
                QDomElement step = holder.firstChildElement("step");
                for (int i = 0; i < 2 + pick(3) && !step.isNull(); ++i)
                    holder.appendChild(step.cloneNode(true));
            }
            break;
        }
        case 10: // numbers
        case 11:
        case 12:
            if (isLeaf(target) && target.tagName() != "fileName") {
                while (target.hasChildNodes())
                    target.removeChild(target.firstChild());
                target.appendChild(doc.createTextNode(number()));
            }
            break;
        case 13: { // the recording's path (rarely another one)
            QDomElement name = root.firstChildElement("fileName");
            if (!name.isNull() && pick(4) == 0) {
                while (name.hasChildNodes())
                    name.removeChild(name.firstChild());
                name.appendChild(doc.createTextNode(oneOf(paths_)));
            }
            break;
        }
        }
    }

    QByteArray mutateBytes(const QByteArray& bytes)
    {
        switch (pick(5)) {
        case 0:
            return "\xef\xbb\xbf" + bytes;
        case 1: {
            QByteArray utf16("\xff\xfe", 2);
            const QString text = QString::fromUtf8(bytes);
            utf16.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
            return utf16;
        }
        case 2: { // an internal DTD with nested entities, one of them used
            QByteArray out = bytes;
            out.replace("<!DOCTYPE TBXML>",
                        "<!DOCTYPE TBXML [<!ENTITY a \"1234567890\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;\">"
                        "<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;\"><!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;\">]>");
            out.replace("<beatOffset>", pick(2) ? "<beatOffset>&d;" : "<beatOffset>&a;");
            return out;
        }
        case 3:
            return bytes.left(pick(int(bytes.size()) + 1));
        default: {
            QByteArray out = bytes;
            if (!out.isEmpty())
                out[pick(int(out.size()))] = char(pick(256));
            return out;
        }
        }
    }

    std::mt19937& rng_;
    std::vector<QString> paths_;
};

// The document's text, by its byte-order mark (a mutation may add one).
QString textOf(const QByteArray& document)
{
    return QTextCodec::codecForUtfText(document, QTextCodec::codecForName("UTF-8"))->toUnicode(document);
}

class SessionFuzz : public ShellTest
{
};

TEST_F(SessionFuzz, LoadSurvivesMutatedDocuments)
{
    const QString recording = writeSong("rec.wav", 6);
    const QString copy = writeSong("copy.wav", 6);
    const QString fifo = temp.filePath("fifo.wav");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    makeWindow();
    auto owned = std::make_unique<CancellingDialogs>();
    CancellingDialogs* boxes = owned.get();
    window->setDialogs(std::move(owned));
    ASSERT_EQ(window->open(recording, false), 0);
    ASSERT_TRUE(window->analysisThread()->wait(60000));
    QCoreApplication::processEvents();
    const int frames = window->recording().sampleCount;

    // Seed 1: the writer's output of a full state over this recording.
    SessionState state;
    state.fileName = recording;
    state.currentRiff = 2;
    state.jamPower = true;
    for (int r = 0; r < session::riffCount; ++r) {
        SessionRiff& riff = state.riffs[size_t(r)];
        riff.riffLength = r;
        riff.riffLengthMax = r + 1;
        for (int s = 0; s <= r + 1; ++s) {
            SessionStep& step = riff.steps[size_t(s)];
            step.beat = 1 + s;
            step.state = s <= r ? 2 : 3;
            step.startSample = 22050 * s;
            step.endSample = 22050 * (s + 1);
            step.semitone = float(s - 3);
            step.interp = float(std::pow(2.0, double(s - 3) / 12.0));
        }
    }
    for (int i = 0; i < session::songSlotCount; ++i)
        state.song[size_t(i)] = i % 7 - 1;
    const QString stored = temp.filePath("stored.tb");
    ASSERT_TRUE(sessiontest::writeBytes(stored, session::toXml(state)));
    window->paths()->setSessionFileName(stored);
    ASSERT_TRUE(QMetaObject::invokeMethod(window.get(), "loadSession", Q_ARG(bool, true)));
    const QString written = temp.filePath("written.tb");
    window->paths()->setSessionFileName(written);
    ASSERT_TRUE(QMetaObject::invokeMethod(window.get(), "saveSessionFile"));
    const QByteArray full = sessiontest::fileBytes(written);
    ASSERT_TRUE(full.startsWith("<!DOCTYPE TBXML>"));
    // The last two declare entities: one used in the file name and many
    // times in the beat offset, and entities nested six deep.
    QByteArray used = full;
    used.replace("<!DOCTYPE TBXML>", "<!DOCTYPE TBXML [<!ENTITY e \"" + QByteArray(4097, '7') + "\">]>");
    used.replace("<fileName>", "<fileName>&e;");
    used.replace("<beatOffset>", "<beatOffset>" + QByteArray("&e;").repeated(20000));
    QByteArray nested = full;
    const QByteArray subset = hostile::nestedEntities();
    nested.replace("<!DOCTYPE TBXML>", subset.left(subset.indexOf("]>") + 2));
    nested.replace("<beatOffset>", "<beatOffset>&f;");
    // A hostile seed is refused while it holds `keeps` (while whole for "").
    struct Seed
    {
        QByteArray bytes;
        const char* keeps;
    };
    const std::vector<Seed> seeds = {
        {full, nullptr},
        {"<!DOCTYPE TBXML>\n<tbxml/>\n", nullptr},
        {used, ""},
        {nested, ""},
        {hostile::withSecondType("type", full.size() + 20000, full), ""},
        {hostile::withSecondType("root", full.size() + 20000, full), ""},
        // Cut short after the root, it is a session again.
        {hostile::withSecondType("end", full.size() + 20000, full), hostile::parameterTypeHead},
        {hostile::rootAttributes(2000, "", full), ""},
        {hostile::rootAttributes(500, "xmlns:", full), ""},
        {hostile::namespacePerStep(full), ""},
    };
    const size_t plainSeeds = 2;
    const size_t hostileSeeds = seeds.size() - plainSeeds;

    std::mt19937 rng(fuzzSeed);
    Mutator mutator(
        rng,
        {recording, copy, "rec.wav", "./rec.wav", fifo, "/dev/zero", temp.filePath("none.wav"), temp.path(), ""});
    const QString input = temp.filePath("fuzz.tb");
    const QString output = temp.filePath("out.tb");
    Plotter* plotter = window->waveArea()->plotter;
    JamTab* jam = window->tabArea()->jamTab;
    int completed = 0;
    for (int i = 0; i < caseCount; ++i) {
        const size_t seed = i % 5 == 4 ? plainSeeds + size_t(i / 5) % hostileSeeds : size_t(i) % plainSeeds;
        const QByteArray document = mutator.mutate(seeds[seed].bytes, seed >= plainSeeds);
        ASSERT_TRUE(sessiontest::writeBytes(input, document));
        window->paths()->setSessionFileName(input);
        const int shownBefore = boxes->shown;
        QMetaObject::invokeMethod(window.get(), "loadSession", Q_ARG(bool, true));
        if (window->analysisThread()->isRunning()) {
            ASSERT_TRUE(window->analysisThread()->wait(60000));
            QCoreApplication::processEvents();
        }
        // A load that stops or is refused says so in a box.
        const bool loaded = boxes->shown == shownBefore;
        completed += loaded ? 1 : 0;

        const std::string where = "case " + std::to_string(i) + ":\n" + document.left(4000).toStdString();
        if (seeds[seed].keeps != nullptr && textOf(document).contains(QLatin1String(seeds[seed].keeps))) {
            ASSERT_FALSE(loaded) << where;
            ASSERT_TRUE(boxes->lastWarning.startsWith("This file is not a session, or it is damaged")) << where;
        }
        ASSERT_FALSE(window->isBusy()) << where;
        const int riff = plotter->beatSelectionStack->currentIndex();
        ASSERT_TRUE(riff >= 0 && riff < 6) << where;
        ASSERT_TRUE(jam->currentRiff() >= 0 && jam->currentRiff() < 6) << where;
        const int tab = window->tabArea()->pageStack->currentIndex();
        ASSERT_TRUE(tab >= 0 && tab <= 2) << where;
        for (int slot : jam->songStep->song())
            ASSERT_TRUE(slot >= -1 && slot <= 5) << where;
        for (int r = 0; r < 6; ++r) {
            const int length = plotter->beatSelections[r]->getLoopLength();
            ASSERT_TRUE(length >= -2 && length <= 15) << where;
        }
        if (!window->recording().audioLoaded)
            continue;
        const int position = window->player()->getCurrentPosition();
        ASSERT_TRUE(position >= 0 && position <= window->recording().sampleCount) << where;

        // Saving again gives a clean file (every tenth case: the validator
        // takes a while under the sanitizers).
        if (loaded && i % 10 < 2) {
            window->paths()->setSessionFileName(output);
            QFile::remove(output);
            QMetaObject::invokeMethod(window.get(), "saveSessionFile");
            const auto report =
                sessioncheck::validate(sessiontest::fileBytes(output), {window->recording().sampleCount});
            ASSERT_TRUE(report.clean()) << where << "\n" << report.toString().toStdString();
        }
    }
    EXPECT_GT(completed, caseCount * 4 / 5 / 4) << "the mutations left enough sessions loadable";
    std::printf("%d of %d mutated sessions loaded\n", completed, caseCount);
    EXPECT_EQ(frames, window->recording().sampleCount);
}

} // namespace
