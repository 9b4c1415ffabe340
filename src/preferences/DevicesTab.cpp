#include "DevicesTab.h"

#include "AudioOutput.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

// What the output layer plays with until "Apply" sends another length.
constexpr int startBufferMs = 50;

} // namespace

DevicesTab::DevicesTab(QWidget* parent) : QWidget(parent)
{
    initWidgets();
    connect(deviceCombo, qOverload<int>(&QComboBox::currentIndexChanged), this, &DevicesTab::setUpdateTrue);
    connect(applyButton_, &QPushButton::released, this, qOverload<>(&DevicesTab::setDevice));
}

void DevicesTab::initWidgets()
{
    deviceCombo = new QComboBox;
    bufferSizeEdit = new QLineEdit(QString::number(startBufferMs));
    auto* validator = new QIntValidator(minimumBufferMs, maximumBufferMs, bufferSizeEdit);
    // Digits only: "1,000" would pass a grouping locale and then read as no number.
    QLocale digitsOnly = QLocale::c();
    digitsOnly.setNumberOptions(QLocale::RejectGroupSeparator);
    validator->setLocale(digitsOnly);
    bufferSizeEdit->setValidator(validator);
    applyButton_ = new QPushButton(tr("Apply"));

    auto* deviceGroup = new QGroupBox(tr("Device:"));
    auto* deviceLayout = new QVBoxLayout(deviceGroup);
    deviceLayout->setSpacing(15);
    deviceLayout->addWidget(deviceCombo, 0, Qt::AlignTop);

    auto* bufferGroup = new QGroupBox(tr("Audio Buffer:"));
    auto* bufferLayout = new QHBoxLayout(bufferGroup);
    bufferLayout->addWidget(new QLabel(tr("Buffer Size (milliseconds): ")));
    bufferLayout->addWidget(bufferSizeEdit);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(deviceGroup, 0, Qt::AlignTop);
    layout->addWidget(bufferGroup, 0, Qt::AlignTop);
    layout->addWidget(applyButton_, 0, Qt::AlignRight | Qt::AlignTop);
    layout->addWidget(new QWidget, 1, Qt::AlignTop);
}

void DevicesTab::initDeviceList()
{
    const QSignalBlocker blocker(deviceCombo);
    touched = false;
    deviceCombo->clear();
    const QStringList devices = emit getDeviceList();
    for (const QString& device : devices) {
        if (!device.isEmpty())
            deviceCombo->addItem(AudioOutput::displayName(device), device);
    }
    const QString current = emit getCurrentDevice();
    deviceCombo->setCurrentIndex(
        deviceCombo->findData(current, Qt::UserRole, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

QString DevicesTab::chosenDevice() const
{
    return deviceCombo->currentData().toString();
}

void DevicesTab::setUpdateTrue(int)
{
    touched = true;
}

void DevicesTab::setDevice()
{
    const int index = emit deviceStringToIndex(chosenDevice());
    emit setDevice(index);
    // The validator lets unfinished text stand while typing ("9" on the way
    // to "90"); only a finished length goes out.
    if (bufferSizeEdit->hasAcceptableInput())
        emit setDeviceBufferSize(bufferSizeEdit->text().toInt());
    touched = false;
}
