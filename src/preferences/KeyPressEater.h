// Captures key combinations for the shortcut editor: installed as event
// filter on the editor's tree, line field and page, it turns every key
// press (and the shortcut check before it, so that no shortcut fires
// meanwhile) into a key-sequence text and consumes it. Escape goes on to
// the dialog; a modifier pressed alone is consumed without a text.
#pragma once

#include <QObject>
#include <QString>

class KeyPressEater : public QObject
{
    Q_OBJECT

public:
    explicit KeyPressEater(QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    // The combination in Qt's portable format, for example "Ctrl+Shift+O".
    void keyPressed(QString key);
};
