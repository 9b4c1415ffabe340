// Chord and beat lists written as plain literals in the tables.
#pragma once

#include <QString>
#include <QVector>

#include <initializer_list>

inline QVector<QString> strings(std::initializer_list<const char*> names)
{
    QVector<QString> result;
    for (const char* name : names)
        result.append(QString::fromUtf8(name));
    return result;
}
