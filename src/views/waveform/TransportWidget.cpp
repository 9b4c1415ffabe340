#include "TransportWidget.h"

#include "CustomButton.h"
#include "DesignFont.h"
#include "Knob.h"
#include "PictureStrip.h"
#include "TransportClock.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QTimer>

const QSize TransportWidget::buttonRowSize(258, 45);

namespace {

const int clockTickMs = 40;
const int lightMs = 200;
const int repeatMs = 50;
const QSize buttonSize(42, 41);
const int buttonSpacing = 12;
const QSize clockBackingSize(212, 24);
const QSize clockTextSize(205, 24);
const int knobSize = 50;
const int knobMaximum = 99;
const QPoint volumeKnobPlace(799, 13);
const QPoint metronomeKnobPlace(159, 13);
const QRect lightRect(207, 53, 12, 12);
const QRect volumeCaptionRect(791, 61, 64, 24);
const QRect metronomeCaptionRect(140, 61, 88, 24);

QString transportPicture(const char* name)
{
    return QStringLiteral(":/images/transport/") + QLatin1String(name);
}

QLabel* pictureLabel(QWidget* parent, const QString& path, QSize size, bool scaled)
{
    auto* label = new QLabel(parent);
    label->setPixmap(cachedPixmap(path));
    label->setScaledContents(scaled);
    label->setFixedSize(size);
    return label;
}

} // namespace

GreyedButtons::GreyedButtons(QWidget* parent) : QLabel(parent) { }

bool GreyedButtons::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip)
        return true;
    return QWidget::event(event);
}

TransportWidget::TransportWidget(QWidget* parent) : QLabel(parent), totalText(QStringLiteral("0:00"))
{
    clockTimer = new QTimer(this);
    clockTimer->setInterval(clockTickMs);
    connect(clockTimer, &QTimer::timeout, this, &TransportWidget::updateTime);
    initWidgets();
    initLayout();
    lightTimer = new QTimer(this);
    lightTimer->setInterval(lightMs);
    connect(lightTimer, &QTimer::timeout, redLight, &QWidget::hide);
    connect(lightTimer, &QTimer::timeout, lightTimer, &QTimer::stop);
    clockTimer->start();
}

CustomButton* TransportWidget::makeButton(const char* name, const char* file, bool latching)
{
    auto* button = new CustomButton(cachedPixmap(transportPicture(file)), buttonHolder, latching);
    button->setObjectName(QLatin1String(name));
    button->setFixedSize(buttonSize);
    return button;
}

void TransportWidget::initWidgets()
{
    setPixmap(cachedPixmap(QStringLiteral(":/images/background_transport.png")));
    setScaledContents(true);
    setFont(designFont(QStringLiteral("Arial"), 13, QFont::Bold));

    clockBacking = pictureLabel(this, transportPicture("clock_backing.png"), clockBackingSize, true);
    clockLabel = new QLabel(this);
    clockLabel->setTextFormat(Qt::RichText);
    clockLabel->setAlignment(Qt::AlignCenter);
    clockLabel->setFixedSize(clockTextSize);
    clockLabel->setText(QStringLiteral("<font color='#DE6E08'>0.000</font>"));

    buttonBacking = pictureLabel(this, transportPicture("transport_backing.png"), buttonRowSize, true);
    buttonHolder = new QWidget(this);
    buttonHolder->setFixedSize(buttonRowSize);

    playButton = makeButton("play", "play_pause.png", true);
    stopButton = makeButton("stop", "stop.png", false);
    fwdButton = makeButton("fwd", "fwd.png", false);
    backButton = makeButton("back", "back.png", false);
    cuefButton = makeButton("cuef", "back.png", false);
    cuebButton = makeButton("cueb", "back.png", false);
    loopButton = makeButton("loop", "loop.png", true);
    cuefButton->hide();
    cuebButton->hide();
    for (CustomButton* seek : {fwdButton, backButton}) {
        seek->setAutoRepeat(true);
        seek->setAutoRepeatInterval(repeatMs);
    }
    // Moves while pressed never reach these two: only the release decides.
    playButton->installEventFilter(this);
    stopButton->installEventFilter(this);

    volumeKnob = new Knob(this);
    metronomeKnob = new Knob(this);
    for (Knob* knob : {volumeKnob, metronomeKnob}) {
        knob->setKnobSize(false);
        knob->setPixmap(cachedPixmap(transportPicture("transport_knob.png")));
        knob->setFixedSize(knobSize, knobSize);
        knob->setRange(0, knobMaximum);
    }
    volumeKnob->setValue(knobMaximum);
    volumeKnob->setResetValue(knobMaximum);
    metronomeKnob->setValue(0);
    metronomeKnob->setResetValue(0);
    volumeKnob->move(volumeKnobPlace);
    metronomeKnob->move(metronomeKnobPlace);

    greyLight = pictureLabel(this, QStringLiteral(":images/transport/metronome_grey.png"), lightRect.size(), true);
    greyLight->move(lightRect.topLeft());
    redLight = pictureLabel(this, QStringLiteral(":images/transport/metronome_red.png"), lightRect.size(), true);
    redLight->move(lightRect.topLeft());
    redLight->hide();

    volumeCaption = pictureLabel(this, transportPicture("volume_label.png"), volumeCaptionRect.size(), false);
    volumeCaption->move(volumeCaptionRect.topLeft());
    metronomeCaption =
        pictureLabel(this, transportPicture("metronome_label.png"), metronomeCaptionRect.size(), false);
    metronomeCaption->move(metronomeCaptionRect.topLeft());

    greyedButtons = new GreyedButtons(this);
    greyedButtons->setPixmap(cachedPixmap(transportPicture("transport_grey.png")));
    greyedButtons->setFixedSize(buttonRowSize);
    // Laid out while hidden, so it covers the row the moment it shows.
    QSizePolicy policy = greyedButtons->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    greyedButtons->setSizePolicy(policy);
    greyedButtons->hide();
}

void TransportWidget::initLayout()
{
    auto* row = new QHBoxLayout(buttonHolder);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(buttonSpacing);
    for (CustomButton* button : {loopButton, backButton, playButton, fwdButton, stopButton})
        row->addWidget(button);

    // Two empty columns keep the clock and the buttons centred. They let
    // the mouse through: the knobs lie within their cells.
    auto* leftSide = new QWidget(this);
    auto* rightSide = new QWidget(this);
    leftSide->setAttribute(Qt::WA_TransparentForMouseEvents);
    rightSide->setAttribute(Qt::WA_TransparentForMouseEvents);

    auto* grid = new QGridLayout(this);
    grid->setSpacing(0);
    grid->addWidget(clockBacking, 1, 1, Qt::AlignHCenter);
    grid->addWidget(clockLabel, 1, 1, Qt::AlignHCenter);
    grid->addWidget(leftSide, 2, 0, Qt::AlignTop);
    grid->addWidget(buttonBacking, 2, 1, Qt::AlignTop);
    grid->addWidget(buttonHolder, 2, 1, Qt::AlignTop);
    grid->addWidget(rightSide, 2, 2);
    grid->addWidget(greyedButtons, 2, 1, Qt::AlignTop);
    greyedButtons->hide();
    // The stacking follows creation; the empty columns must not cover the
    // cover or the knobs for painting either.
    leftSide->lower();
    rightSide->lower();
}

void TransportWidget::setTimePtr(const std::atomic<float>* position)
{
    timePosition = position;
}

void TransportWidget::setSampleRate(int rate)
{
    sampleRate = rate;
}

void TransportWidget::setMaxTime(int frames)
{
    totalText = transportclock::text(transportclock::seconds(float(frames), sampleRate));
}

void TransportWidget::updateTime()
{
    const float position = timePosition != nullptr ? timePosition->load(std::memory_order_relaxed) : 0.0f;
    const QString now = transportclock::text(transportclock::seconds(position, sampleRate));
    const QString text = QStringLiteral("<font color='#ff8c00'>%1 / %2</font>").arg(now, totalText);
    if (text != clockLabel->text())
        clockLabel->setText(text);
}

QString TransportWidget::clockText() const
{
    return clockLabel->text();
}

void TransportWidget::setGreyedButtonsHidden(bool hidden)
{
    greyedButtons->setHidden(hidden);
}

void TransportWidget::flashMetronome()
{
    redLight->show();
    lightTimer->start();
}

bool TransportWidget::eventFilter(QObject* watched, QEvent* event)
{
    // Without the move that leaves the button, the standard handling emits
    // released() only for a release over it (and nothing for one beside).
    if ((watched == playButton || watched == stopButton) && event->type() == QEvent::MouseMove)
        return true;
    return QLabel::eventFilter(watched, event);
}
