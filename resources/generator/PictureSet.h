// Collects the pictures the generator draws and writes them, with the .qrc
// that compiles them into the application, below one output folder.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <QVector>

class PictureSet
{
public:
    explicit PictureSet(const QString& outputDir);

    // Saves image as images/<relativePath>; it becomes ":/images/<relativePath>".
    // frame: the size of one frame of a strip or sheet, for the contact sheet.
    void save(const QString& relativePath, const QImage& image, QSize frame = QSize());
    // Saves image as <relativePath>, outside the compiled-in pictures.
    void saveFile(const QString& relativePath, const QImage& image);
    bool writeQrc(const QString& qrcName) const;
    bool ok() const { return failures == 0; }

    struct Entry
    {
        QString file; // images/<relativePath>
        QSize frame;
    };
    const QVector<Entry>& entries() const { return saved; }
    const QString& directory() const { return outputDir; }

private:
    bool write(const QString& relativePath, const QImage& image);

    QString outputDir;
    QVector<Entry> saved;
    int failures = 0;
};

// A transparent ARGB image to draw on.
QImage blankImage(int width, int height);

// One function per group of pictures; each saves everything it draws.
void drawSplash(PictureSet& set);
void drawControls(PictureSet& set);
void drawTransport(PictureSet& set);
void drawBackgrounds(PictureSet& set);
void drawChordControls(PictureSet& set);
void drawChordSheets(PictureSet& set);
void drawJam(PictureSet& set);
void drawFlags(PictureSet& set);

// Every saved picture on one PNG, for a reviewer's eyes.
bool writeContactSheet(const PictureSet& set, const QString& path);
