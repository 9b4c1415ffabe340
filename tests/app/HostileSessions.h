// Session files that declare entities: small on disk, huge once expanded.
// The writer never declares any; the reader refuses them unread.
#pragma once

#include <QByteArray>

namespace hostile {

// One internal entity of `length` characters, referenced `references`
// times inside `element` (beatOffset, within riffsTab, or fileName):
// length × references characters once expanded.
inline QByteArray entityReferences(int length, int references, const char* element = "beatOffset")
{
    const QByteArray name(element);
    const QByteArray value = QByteArray("&e;").repeated(references);
    const QByteArray body = name == "fileName" ? "<fileName>" + value + "</fileName>"
                                               : "<riffsTab><" + name + ">" + value + "</" + name + "></riffsTab>";
    return "<!DOCTYPE TBXML [<!ENTITY e \"" + QByteArray(length, '7') + "\">]>\n<tbxml>" + body + "</tbxml>\n";
}

// Entities defined by ten references to the one before, six levels deep:
// a million characters from one reference.
inline QByteArray nestedEntities()
{
    QByteArray subset = "<!ENTITY a \"aaaaaaaaaa\">";
    for (char level = 'b'; level <= 'f'; ++level) {
        const QByteArray previous = "&" + QByteArray(1, char(level - 1)) + ";";
        subset += "<!ENTITY " + QByteArray(1, level) + " \"" + previous.repeated(10) + "\">";
    }
    return "<!DOCTYPE TBXML [" + subset + "]><tbxml><fileName>&f;</fileName></tbxml>";
}

// A parameter entity that declares an entity, referenced `references`
// times inside the subset itself: expanded while the declaration is read.
inline QByteArray parameterEntities(int references)
{
    return "<!DOCTYPE TBXML [<!ENTITY % p \"<!ENTITY x '" + QByteArray(4000, 'x') + "'>\">"
        + QByteArray("%p;").repeated(references) + "]><tbxml/>";
}

} // namespace hostile
