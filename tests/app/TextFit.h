// What a user reads on a widget tree, and whether it reads whole: the texts
// of labels, buttons, group boxes, tab titles, combo boxes, the headers and
// cells of lists and trees, tooltips, window titles and menu actions, each
// with the width it needs and the width its widget gives it. A widget that
// paints its text itself names the rectangle it draws it in by a QRect
// property "textArea"; the text is measured against that.
#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

class QWidget;

namespace textfit {

struct Shown
{
    QString where;     // class and object name, for the failure message
    QString text;      // as shown, rich text made plain
    int needed = 0;    // pixels the text takes, -1 when its fit is not judged
    int available = 0; // pixels its widget gives it
};

// Every text of top and its visible descendants, with its fit.
QVector<Shown> visibleTexts(QWidget* top);

// The plain text of a label's text, which may be rich text.
QString plainText(const QString& text);

} // namespace textfit
