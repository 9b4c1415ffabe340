// Small helpers of the session tests: a leaf of a document by path, a
// file's bytes, and a dressed-up working state over the session rig.
#pragma once

#include "SessionFixture.h"

#include "BeatLabel.h"
#include "ChordsTab.h"
#include "IncrementWidget.h"
#include "PlotButton.h"
#include "Riff.h"
#include "SongStep.h"
#include "StepContextMenu.h"

#include <QDomDocument>
#include <QFile>
#include <QRegularExpression>

#include <cmath>

namespace sessiontest {

// The text of the element at a path such as "riffsTab/riff[2]/step[5]/interp"
// ([n]: the n-th element of that name, from 0); "<missing>" when absent.
inline QString leafAt(const QByteArray& bytes, const QString& path)
{
    QDomDocument doc;
    if (!doc.setContent(bytes))
        return QStringLiteral("<not xml>");
    QDomElement element = doc.documentElement();
    static const QRegularExpression part(QStringLiteral("^(\\w+)(?:\\[(\\d+)\\])?$"));
    for (const QString& piece : path.split(QLatin1Char('/'))) {
        const auto match = part.match(piece);
        int index = match.captured(2).isEmpty() ? 0 : match.captured(2).toInt();
        QDomElement child = element.firstChildElement(match.captured(1));
        while (!child.isNull() && index-- > 0)
            child = child.nextSiblingElement(match.captured(1));
        if (child.isNull())
            return QStringLiteral("<missing>");
        element = child;
    }
    return element.text();
}

// Empty when equal, else the first line that differs with its number.
inline std::string firstDifference(const QByteArray& expected, const QByteArray& actual)
{
    const QList<QByteArray> a = expected.split('\n');
    const QList<QByteArray> b = actual.split('\n');
    for (int i = 0; i < std::max(a.size(), b.size()); ++i) {
        const QByteArray x = a.value(i, "<end>");
        const QByteArray y = b.value(i, "<end>");
        if (x != y)
            return "line " + std::to_string(i + 1) + ": expected '" + x.toStdString() + "', got '"
                + y.toStdString() + "'";
    }
    return std::string();
}

inline QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<unreadable>");
    return file.readAll();
}

inline bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Riff r's step s on beat b of the rig's grid, with its samples: from
// 2048 frames before the beat, as the golden session (data/golden.tb)
// holds them; not the beat lead.
inline void placeStep(SessionRig& r, int riff, int step, int state, int beat)
{
    const int start = SessionRig::firstBeat + beat * SessionRig::beatSpacing - 2048;
    r.plotter()->beatSelections[riff]->beatLabels[step]->setBeat(state, beat, start,
                                                                 start + SessionRig::beatSpacing);
}

inline void setStepPitch(SessionRig& r, int riff, int step, float semitones)
{
    const float ratio = float(std::pow(2.0, double(semitones) / 12.0));
    ContextPitchWidget* box = r.jam->contextMenus.at(riff * 16 + step)->pitchWidget;
    box->setPitchSemitone(semitones);
    box->setPitchInterp(ratio);
    r.plotter()->beatSelections[riff]->riff->setInterpFactor(ratio, step);
}

// Every part of the state away from its start: the loop, the volume, the
// tab, the position, auto-scroll, the three tools, the chords tab, two
// riffs with pitches, a song, the zoom and a selection drawn backwards.
inline void dressUp(SessionRig& r)
{
    r.transport->loopButton->latch();
    r.player()->setVolume(75);
    r.shell.setCurrentTab(1);
    r.player()->setCurrentPositionFromSession(88200);
    r.waveBg->scrollButton->setValueFromSession(false);

    r.tools->setToolsFromSession({"0", "150", "2", "1"}, {"120", "-2.9", "60", "1"},
                                 {"40", "30", "19", "52", "0", "1", "1"});
    r.tools->semitoneWidget()->setValue(-3.0f);
    r.tools->fineTuneWidget()->setValue(60.0f);
    r.chords->setChordTabFromSession({"1", "2", "0", "0", "17", "3"});

    BeatSelection* a = r.plotter()->beatSelections[0];
    for (int s = 0; s < 4; ++s)
        placeStep(r, 0, s, RiffModel::InLoop, 4 + s);
    a->setMaxLoopLength(3);
    a->setLoopLength(2);
    setStepPitch(r, 0, 1, 1.0f);
    setStepPitch(r, 0, 3, -12.0f);
    placeStep(r, 2, 0, RiffModel::InLoop, 20);
    r.plotter()->beatSelections[2]->setMaxLoopLength(0);
    r.plotter()->beatSelections[2]->setLoopLength(0);
    setStepPitch(r, 2, 0, 7.0f);

    const QString lengths[6] = {"2", "0", "0", "0", "0", "0"};
    const QString maxima[6] = {"3", "0", "0", "0", "0", "0"};
    QString song[16];
    r.jam->setRiffsFromSession("1", "2", "60", lengths, maxima, "2", "2", song);
    QStringList slotList = {"0", "2", "0"};
    while (slotList.size() < 16)
        slotList << "-1";
    r.jam->songStep->initFromSession(slotList);

    r.plotter()->setSessionPlotSettings({"300", "0.4356"});
    r.plotter()->plotSelection->setZoomFactor(0.4356f);
    r.plotter()->plotSelection->setStartX(120.0f);
    r.plotter()->plotSelection->setEndX(40.0f);
}

} // namespace sessiontest
