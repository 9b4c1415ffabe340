// The "Audio Device" page: the output devices by name and the playback
// buffer length. It talks to the player only through its signals, three of
// them queries answered by the player's slots (connected directly, GUI
// thread). A device is named by its text throughout: the player turns the
// name into its own index (deviceStringToIndex), so combo positions never
// have to match the player's numbering. The combo shows the names as the
// user reads them and keeps the player's names as item data.
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

class QComboBox;
class QLineEdit;
class QPushButton;

class DevicesTab : public QWidget
{
    Q_OBJECT

public:
    // The buffer lengths the output layer takes, in milliseconds.
    static constexpr int minimumBufferMs = 10;
    static constexpr int maximumBufferMs = 2000;

    explicit DevicesTab(QWidget* parent);

    // Refills the combo from the player and selects the device in use;
    // clears touched. Filling never marks the page.
    void initDeviceList();
    // The name of the device picked, as the player knows it (the combo
    // shows it translated); empty when none is picked.
    QString chosenDevice() const;

    QComboBox* deviceCombo = nullptr;
    // Whole milliseconds 10 … 2000; starts at the output layer's default.
    QLineEdit* bufferSizeEdit = nullptr;
    // The user picked another device since the list was last filled.
    bool touched = false;

public slots:
    void setUpdateTrue(int);
    // "Apply": the device, and the buffer length when the field holds one.
    void setDevice();

signals:
    QStringList getDeviceList();
    QString getCurrentDevice();
    int deviceStringToIndex(QString device);
    void setDevice(int index);
    void setDeviceBufferSize(int bufferSize);

private:
    void initWidgets();

    QPushButton* applyButton_ = nullptr;
};
