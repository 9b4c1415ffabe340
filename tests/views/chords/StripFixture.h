// A chord strip in a stand-in for the waveform view, over a model filled as
// a cache load fills it. The default song puts beat b at strip pixel 200 b:
// beats lie at lead + 2000 b samples (drawn the beat lead early), 10 samples
// per pixel over 4800 pixels.
#pragma once

#include "BeatLead.h"
#include "BeatLineWidget.h"
#include "ChordTestSupport.h"
#include "ChordsStrip.h"
#include "MetaData.h"
#include "MetaDataThread.h"
#include "StripPrint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QString>
#include <QVector>
#include <QWidget>

#include <initializer_list>

namespace striptest {

constexpr int frames = 48000;
constexpr int stripWidth = 4800;
constexpr int pixelsPerBeat = 200;

using ::names;

// One beat per chord plus the closing one, at lead + 2000 b.
inline QVector<float> gridBeats(int chordCount)
{
    QVector<float> beats;
    for (int b = 0; b <= chordCount; ++b)
        beats.append(float(base::beatLeadFrames + 2000 * b));
    return beats;
}

// As the cache reader hands them over: beat texts, chords, ranked chords,
// tempo. Returns what setMetaDataFromFile returned.
inline bool fillModel(MetaData& model, const QVector<float>& beats, const QVector<QString>& chords,
                      const QVector<QString>& detected)
{
    QVector<QString> lists[4];
    for (float beat : beats)
        lists[0].append(QString::number(double(beat), 'f', 0));
    lists[1] = chords;
    lists[2] = detected;
    lists[3] = {QStringLiteral("120")};
    return model.setMetaDataFromFile(lists);
}

// "C", "C", "G", "G", "G", "C", "D", "D": tags at x 0 (400 wide), 400 (600),
// 1000 (200), 1200 (400).
inline QVector<QString> defaultSong()
{
    return names({"C", "C", "G", "G", "G", "C", "D", "D"});
}

inline void deleteLaterNow()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Distinct names in order of appearance, as the ranked list holds them.
inline QVector<QString> distinct(const QVector<QString>& chords)
{
    QVector<QString> result;
    for (const QString& name : chords)
        if (!result.contains(name))
            result.append(name);
    return result;
}

// The names of the tags a chord sequence makes: one per run.
inline QVector<QString> distinctRuns(const QVector<QString>& chords)
{
    QVector<QString> result;
    for (const QString& name : chords)
        if (result.isEmpty() || result.last() != name)
            result.append(name);
    return result;
}

struct StripHost
{
    // The model belongs to the analysis thread, which writes its cache.
    MetaDataThread analysis;
    MetaData& model;
    QWidget view; // stands in for the waveform view
    ChordsStrip* strip;

    explicit StripHost(const QVector<QString>& chords = defaultSong())
        : model(*analysis.metaData), strip(new ChordsStrip(&view))
    {
        view.resize(1000, 120);
        view.show();
        strip->setGeometry(10, 98, stripWidth, 20);
        strip->setMetaData(&model);
        strip->setSampleCount(frames);
        if (!chords.isEmpty())
            load(chords);
    }
    ~StripHost() { deleteLaterNow(); }

    void load(const QVector<QString>& chords)
    {
        fillModel(model, gridBeats(chords.size()), chords, distinct(chords));
        strip->initChordStrip();
        deleteLaterNow();
    }
    ChordLabel* tag(int i) const { return strip->chordLabels().at(i); }
    BeatLineWidget* beatLine() const { return strip->getBeatLine(); }
    QPoint centreOf(const ChordLabel* label) const { return {label->width() / 2, 10}; }
};

} // namespace striptest
