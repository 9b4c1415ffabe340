// Session files that cost the readers far more than their size: entities
// (small on disk, huge once expanded), markup declarations where a reader
// expands them before it reports them misplaced, and elements, attributes
// or namespaces by the hundred thousand. The writer writes none of them;
// the reader refuses them before any XML reader runs.
#pragma once

#include "SessionDocument.h"
#include "SessionReading.h"

#include <QByteArray>

#include <functional>
#include <vector>

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

// What the writer writes for a state just started.
inline QByteArray written()
{
    return session::toXml(SessionState());
}

// The beginning of a document type of parameter entities, as above.
const char* const parameterTypeHead = "<!DOCTYPE TBXML [<!ENTITY % p";

// A session (by default the writer's) with a document type of parameter
// entities (as many references as make the file `bytes` long) put in at
// `where`: "type" after the session's own, "root" just inside the root,
// "end" after the root.
inline QByteArray withSecondType(const char* where, int bytes, QByteArray document = written())
{
    const QByteArray head = parameterTypeHead + QByteArray(" \"<!ENTITY x '") + QByteArray(4000, 'x') + "'>\">";
    const int references = (bytes - document.size() - head.size() - 3) / 3;
    const QByteArray type = head + QByteArray("%p;").repeated(references) + "]>\n";
    const QByteArray place(where);
    if (place == "type")
        document.insert(document.indexOf("<tbxml>"), type);
    else if (place == "root")
        document.insert(document.indexOf("<tbxml>") + 7, type);
    else
        document.append(type);
    return document;
}

// A session (by default the writer's) whose root carries `count`
// attributes of distinct names, each `prefix` and four letters: namespace
// declarations (of one name space) when the prefix is "xmlns:", else
// empty values.
inline QByteArray rootAttributes(int count, const char* prefix = "", QByteArray document = written())
{
    QByteArray attributes;
    for (int i = 0; i < count; ++i) {
        QByteArray name(4, 'a');
        for (int at = 3, rest = i; at >= 0; --at, rest /= 26)
            name[at] = char('a' + rest % 26);
        attributes += " " + QByteArray(prefix) + name + (*prefix != '\0' ? "=\"u\"" : "=\"\"");
    }
    return document.replace("<tbxml>", "<tbxml" + attributes + ">");
}

// A session (by default the writer's) with one namespace declared on each
// step, of the riffs and of the song: no element holds more than one.
inline QByteArray namespacePerStep(QByteArray document = written())
{
    int n = 0;
    for (int at = document.indexOf("<step id="); at >= 0; at = document.indexOf("<step id=", at + 1))
        document.insert(at + 5, " xmlns:n" + QByteArray::number(n++) + "=\"u\"");
    return document;
}

// The writer's session with `count` copies of `node` at the end of its root.
inline QByteArray appended(const char* node, int count)
{
    return written().replace("</tbxml>", QByteArray(node).repeated(count) + "</tbxml>");
}

struct Session
{
    const char* name;
    std::function<QByteArray()> make;
    session::ReadStatus status; // why the reader refuses it
};

// Each within the file-size bound, so that the reader reads it.
inline std::vector<Session> sessions()
{
    using session::ReadStatus;
    return {
        {"second_type_34_kb", [] { return withSecondType("type", 34 * 1024); }, ReadStatus::DocumentType},
        {"second_type_1_mb", [] { return withSecondType("type", 1000 * 1000); }, ReadStatus::DocumentType},
        {"type_inside_the_root", [] { return withSecondType("root", 1000 * 1000); }, ReadStatus::DocumentType},
        {"type_after_the_root", [] { return withSecondType("end", 1000 * 1000); }, ReadStatus::DocumentType},
        {"attributes_111847_on_the_root", [] { return rootAttributes(111847); }, ReadStatus::TooManyAttributes},
        {"namespace_prefixes_26649_on_the_root", [] { return rootAttributes(26649, "xmlns:"); },
         ReadStatus::TooManyNamespaces},
        {"a_namespace_on_each_step", [] { return namespacePerStep(); }, ReadStatus::TooManyNamespaces},
        {"elements_200000", [] { return appended("<a/>", 200000); }, ReadStatus::TooManyNodes},
        {"comments_140000", [] { return appended("<!---->", 140000); }, ReadStatus::TooManyNodes},
    };
}

} // namespace hostile
