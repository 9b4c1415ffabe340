// The application's one top-level window and its controller.
#pragma once

#include <QMainWindow>

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);

    // The content area below the menu bar, fixed whatever the platform.
    static constexpr int contentWidth = 1000;
    static constexpr int contentHeight = 674;

private:
    void startTonbrook();

    QString baseTitle = QStringLiteral("Tonbrook");
};
