// Collects the pictures the generator draws and writes them, with the .qrc
// that compiles them into the application, below one output folder.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

class PictureSet
{
public:
    explicit PictureSet(const QString& outputDir);

    // Saves image as images/<relativePath>; it becomes ":/images/<relativePath>".
    void save(const QString& relativePath, const QImage& image);
    bool writeQrc(const QString& qrcName) const;
    bool ok() const { return failures == 0; }

private:
    QString outputDir;
    QStringList saved;
    int failures = 0;
};

// A transparent ARGB image to draw on.
QImage blankImage(int width, int height);

// One function per group of pictures; each saves everything it draws.
void drawSplash(PictureSet& set);
