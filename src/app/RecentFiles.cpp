#include "RecentFiles.h"

#include <QCoreApplication>
#include <QMenu>

namespace RecentFiles {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("MainWindow", text);
}

// Menu actions are owned by the menu (entries) or by the window (the clear
// action). Taking an entry or separator out of the menu deletes it.
void discard(QMenu* menu, QAction* action, QAction* clearAction)
{
    menu->removeAction(action);
    if (action != clearAction)
        action->deleteLater();
}

// An "&" in the menu text would mark a mnemonic and vanish: the text
// doubles it, the data keeps the path.
QAction* newEntry(const QString& path, QMenu* menu)
{
    auto* entry = new QAction(QString(path).replace(QLatin1Char('&'), QLatin1String("&&")), menu);
    entry->setData(path);
    return entry;
}

int lastIndexOfPath(const QList<QAction*>& list, const QString& path)
{
    for (int i = list.size() - 1; i >= 0; --i) {
        if (!list.at(i)->isSeparator() && pathOf(list.at(i)) == path)
            return i;
    }
    return -1;
}

void appendSeparatorAndClear(QMenu* menu, QAction* clearAction)
{
    menu->addSeparator();
    menu->addAction(clearAction);
}

} // namespace

QString pathOf(const QAction* action)
{
    const QVariant path = action->data();
    return path.type() == QVariant::String ? path.toString() : action->text();
}

void addAudioFile(QMenu* menu, QAction* clearAction, const QString& path)
{
    QList<QAction*> list = menu->actions();
    if (!list.isEmpty())
        list.removeLast();

    const int found = lastIndexOfPath(list, path);
    if (found >= 0) {
        list.move(found, 0);
    } else {
        list.prepend(newEntry(path, menu));
        for (QAction* action : list)
            menu->removeAction(action);
        // The oldest entry stands just above the separator.
        if (list.size() > 9)
            list.takeAt(list.size() - 2)->deleteLater();
    }

    menu->setEnabled(true);
    for (int i = list.size() - 1; i >= 0; --i) {
        if (list.at(i)->isSeparator())
            discard(menu, list.takeAt(i), clearAction);
    }
    for (QAction* action : list) {
        menu->removeAction(action);
        menu->addAction(action);
    }
    menu->removeAction(clearAction);
    appendSeparatorAndClear(menu, clearAction);

    // Exactly one separator, right above "&Clear Recent".
    const QList<QAction*> now = menu->actions();
    for (int i = 0; i < now.size() - 2; ++i) {
        if (now.at(i)->isSeparator())
            discard(menu, now.at(i), clearAction);
    }
}

void addSessionFile(QMenu* menu, QAction* clearAction, const QString& path)
{
    QList<QAction*> list = menu->actions();
    const int found = lastIndexOfPath(list, path);
    if (found >= 0) {
        list.move(found, 0);
    } else {
        list.prepend(newEntry(path, menu));
        for (QAction* action : list)
            menu->removeAction(action);
        if (list.size() > 11) {
            int separator = -1;
            for (int i = 0; i < list.size(); ++i) {
                if (list.at(i)->isSeparator()) {
                    separator = i;
                    break;
                }
            }
            const int oldest = separator > 0 ? separator - 1 : list.size() - 1;
            list.takeAt(oldest)->deleteLater();
        }
    }
    for (QAction* action : list) {
        menu->removeAction(action);
        menu->addAction(action);
    }
    menu->setEnabled(true);
    if (!list.contains(clearAction))
        appendSeparatorAndClear(menu, clearAction);
}

void restore(QMenu* menu, QAction* clearAction, const QStringList& stored)
{
    const QString clearText = tr("Clear Recent");
    const QString clearShortcutText = tr("&Clear Recent");
    bool any = false;
    for (const QString& text : stored) {
        const QString translated = tr(text.toUtf8().constData());
        if (translated.isEmpty() || translated == clearText || translated == clearShortcutText)
            continue;
        menu->addAction(newEntry(text, menu));
        any = true;
    }
    if (any)
        menu->setEnabled(true);
    appendSeparatorAndClear(menu, clearAction);
}

QStringList texts(const QMenu* menu)
{
    const QString clearText = tr("Clear Recent");
    const QString clearShortcutText = tr("&Clear Recent");
    QStringList result;
    for (const QAction* action : menu->actions()) {
        const QString text = action->isSeparator() ? QString() : pathOf(action);
        if (text.isEmpty() || text.contains(clearText) || text.contains(clearShortcutText))
            continue;
        result << text;
    }
    return result;
}

void clear(QMenu* menu)
{
    menu->clear();
    menu->setEnabled(false);
}

} // namespace RecentFiles
