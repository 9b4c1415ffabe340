// File names at or near the file systems' 255-byte limit, in every width
// of UTF-8 character and in bytes that are no UTF-8 (these need the
// file-name codec), for the caches' hashed names.
#pragma once

#include <QByteArray>

#include <ostream>
#include <vector>

struct LongName
{
    const char* name;
    QByteArray fileName; // bytes
};

inline std::ostream& operator<<(std::ostream& os, const LongName& c)
{
    return os << c.name;
}

inline std::vector<LongName> longFileNames()
{
    return {
        {"ascii_250_bytes", QByteArray(246, 'x') + ".wav"},
        {"ascii_255_bytes_without_a_dot", QByteArray(255, 'x')},
        {"two_byte_characters", QByteArray("\xc3\xa9").repeated(123) + ".wav"},
        {"three_byte_characters", QByteArray("\xe2\x99\xaf").repeated(82) + ".wav"},
        {"four_byte_characters", QByteArray("\xf0\x9d\x84\x9e").repeated(62) + ".wav"},
        {"bytes_that_are_no_utf8", QByteArray(251, '\xe9') + ".wav"},
    };
}
