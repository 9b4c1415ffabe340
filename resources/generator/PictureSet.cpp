#include "PictureSet.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <cstdio>

PictureSet::PictureSet(const QString& folder) : outputDir(folder) { }

void PictureSet::save(const QString& relativePath, const QImage& image, QSize frame)
{
    if (write("images/" + relativePath, image))
        saved.append({"images/" + relativePath, frame});
}

void PictureSet::saveFile(const QString& relativePath, const QImage& image)
{
    write(relativePath, image);
}

bool PictureSet::write(const QString& relativePath, const QImage& image)
{
    const QString path = outputDir + "/" + relativePath;
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        ++failures;
        return false;
    }
    return true;
}

bool PictureSet::writeQrc(const QString& qrcName) const
{
    QString text;
    QTextStream out(&text);
    out << "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
    QStringList sorted;
    for (const Entry& entry : saved)
        sorted << entry.file;
    sorted.sort();
    for (const QString& file : sorted)
        out << "  <file>" << file << "</file>\n";
    out << "</qresource>\n</RCC>\n";
    out.flush();

    QFile file(outputDir + "/" + qrcName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(text.toUtf8()) == text.toUtf8().size();
}

QImage blankImage(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}
