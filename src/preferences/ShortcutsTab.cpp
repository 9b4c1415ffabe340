#include "ShortcutsTab.h"

#include "KeyPressEater.h"
#include "KeyTexts.h"
#include "PreferencesDialogs.h"
#include "ShortcutActions.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// The tree keeps each row's display text here; column 1 shows it in the
// platform's key names.
constexpr int displayTextRole = Qt::UserRole;

QString actionName(int index)
{
    return QString::fromLatin1(ShortcutActions::actions[std::size_t(index)].name);
}

QString translatedName(int index)
{
    return QCoreApplication::translate("ShortcutsTab", ShortcutActions::actions[std::size_t(index)].name);
}

} // namespace

ShortcutsTab::ShortcutsTab(QWidget* parent)
    : QWidget(parent), defaultShortcuts(defaultTexts()), editedShortcuts(defaultShortcuts),
      dialogs(PreferencesDialogs::qtDialogs())
{
    initWidgets();
    setEditedShortcuts(defaultShortcuts);
    shortcutTree->setFocusPolicy(Qt::StrongFocus);
    initConnections();
    initLayout();
    shortcutTree->installEventFilter(keyPressEater);
    shortcutEdit->installEventFilter(keyPressEater);
    installEventFilter(keyPressEater);
}

ShortcutsTab::~ShortcutsTab()
{
    for (const QPointer<QShortcut>& shortcut : shortcutList)
        delete shortcut.data();
}

void ShortcutsTab::setDialogs(PreferencesDialogs* newDialogs)
{
    dialogs = newDialogs;
}

QMap<QString, QString> ShortcutsTab::defaultTexts()
{
    QMap<QString, QString> texts;
    for (const ShortcutActions::Action& action : ShortcutActions::actions) {
        QString keys = QString::fromLatin1(action.defaultKeys);
        texts.insert(QString::fromLatin1(action.name), keys.replace(QStringLiteral("CTRL"), KeyTexts::commandSign()));
    }
    return texts;
}

void ShortcutsTab::initWidgets()
{
    keyPressEater = new KeyPressEater(this);
    shortcutEdit = new QLineEdit(this);
    shortcutEdit->setAttribute(Qt::WA_TransparentForMouseEvents);
    setButton = new QPushButton(tr("Set"), this);
    setButton->setAutoRepeat(false);
    clearButton = new QPushButton(tr("Clear"), this);
    restoreDefaultsButton = new QPushButton(tr("Restore Defaults"), this);
    promptLabel = new QLabel(this);
    shortcutEdit->setObjectName(QStringLiteral("shortcutEdit"));
    setButton->setObjectName(QStringLiteral("setButton"));
    clearButton->setObjectName(QStringLiteral("clearButton"));
    restoreDefaultsButton->setObjectName(QStringLiteral("restoreDefaultsButton"));
    promptLabel->setObjectName(QStringLiteral("promptLabel"));

    shortcutTree = new QTreeWidget(this);
    shortcutTree->setObjectName(QStringLiteral("shortcutTree"));
    shortcutTree->setColumnCount(2);
    shortcutTree->setHeaderLabels({tr("Action"), tr("Shortcut")});
    shortcutTree->setRootIsDecorated(false);
    QList<QTreeWidgetItem*> items;
    for (int i = 0; i < ShortcutActions::count; ++i) {
        auto* item = new QTreeWidgetItem(0);
        item->setText(0, translatedName(i));
        items << item;
    }
    shortcutItems = items;
    for (int i = 0; i < ShortcutActions::count; ++i)
        showText(i, defaultShortcuts.value(actionName(i)));
    shortcutTree->insertTopLevelItems(0, items);
    shortcutTree->setSortingEnabled(true);
    shortcutTree->sortItems(0, Qt::AscendingOrder);
    shortcutTree->resizeColumnToContents(0);
}

void ShortcutsTab::initLayout()
{
    auto* row = new QHBoxLayout;
    row->setSpacing(5);
    row->addWidget(shortcutEdit, 1);
    row->addWidget(setButton, 0, Qt::AlignRight);
    row->addWidget(clearButton, 0, Qt::AlignRight);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(shortcutTree);
    layout->addWidget(promptLabel);
    layout->addLayout(row);
    layout->addWidget(restoreDefaultsButton, 1, Qt::AlignRight);
}

void ShortcutsTab::initConnections()
{
    connect(keyPressEater, &KeyPressEater::keyPressed, this, &ShortcutsTab::keyPressed);
    connect(setButton, &QPushButton::released, this, &ShortcutsTab::setShortcut);
    connect(clearButton, &QPushButton::released, this, &ShortcutsTab::clearShortcut);
    connect(restoreDefaultsButton, &QPushButton::released, this, &ShortcutsTab::restoreDefaults);
    connect(shortcutTree, &QTreeWidget::itemClicked, this, &ShortcutsTab::changeSelectedLabelText);
}

void ShortcutsTab::showText(int action, const QString& text)
{
    QTreeWidgetItem* item = shortcutItems.at(action);
    item->setData(1, displayTextRole, text);
    item->setText(1, KeyTexts::shown(text));
}

QStringList ShortcutsTab::getEditedShortcutValues() const
{
    QStringList values;
    for (const QTreeWidgetItem* item : shortcutItems)
        values << item->data(1, displayTextRole).toString();
    return values;
}

void ShortcutsTab::setEditedShortcutValues(const QStringList& stored)
{
    if (stored.size() < ShortcutActions::count)
        return;
    QMap<QString, QString> texts = editedShortcuts;
    for (int i = 0; i < ShortcutActions::count; ++i)
        texts[actionName(i)] = KeyTexts::loadedFromStored(stored.at(i));
    setEditedShortcuts(texts);
}

void ShortcutsTab::setEditedShortcuts(const QMap<QString, QString>& texts)
{
    editedShortcuts = texts;
    for (int i = 0; i < ShortcutActions::count; ++i) {
        QString display = editedShortcuts.value(actionName(i));
        showText(i, display.replace(QStringLiteral("META"), QStringLiteral("CTRL")));
    }
    shortcutTree->setCurrentItem(shortcutItems.first());
    changeSelectedLabelText(shortcutItems.first(), 0);

    for (const QPointer<QShortcut>& shortcut : shortcutList)
        delete shortcut.data();
    shortcutList.clear();
    for (int i = 0; i < ShortcutActions::count; ++i) {
        auto* shortcut = new QShortcut(KeyTexts::keySequence(editedShortcuts.value(actionName(i))), this);
        shortcut->setObjectName(actionName(i));
        shortcut->setContext(Qt::ApplicationShortcut);
        shortcutList << shortcut;
    }
    emit initMainWindowShortcuts();
}

QList<QShortcut*> ShortcutsTab::shortcuts() const
{
    QList<QShortcut*> live;
    for (const QPointer<QShortcut>& shortcut : shortcutList) {
        if (shortcut)
            live << shortcut.data();
    }
    return live;
}

void ShortcutsTab::setCaptured(const QString& display)
{
    captured = display;
    shortcutEdit->setText(KeyTexts::shown(display));
}

void ShortcutsTab::keyPressed(QString key)
{
    setCaptured(KeyTexts::displayFromCaptured(key));
}

int ShortcutsTab::ownerOf(const QString& text) const
{
    for (int i = 0; i < ShortcutActions::count; ++i) {
        if (KeyTexts::sameKeys(editedShortcuts.value(actionName(i)), text))
            return i;
    }
    return -1;
}

void ShortcutsTab::setShortcut()
{
    const int action = shortcutItems.indexOf(shortcutTree->currentItem());
    if (action < 0)
        return;
    const QString text = captured;

    // Texts are compared as keys: a loaded "META+A" and a captured
    // "CTRL+A" are one combination, and Qt fires neither of two shortcuts
    // that share one.
    const int owner = ownerOf(text);
    if (owner >= 0) {
        if (KeyTexts::sameKeys(editedShortcuts.value(actionName(action)), text)) {
            setCaptured(QString());
            return;
        }
        const QString question =
            tr("The keystroke \"%0\" is currently being used for the action \"%1\"")
                .arg(KeyTexts::shown(text).toHtmlEscaped(), translatedName(owner).toHtmlEscaped()) +
            QStringLiteral("<br />") + tr("Do you want to overwrite that shortcut?");
        if (dialogs->question(this, tr("Overwrite Existing Shortcut?"), question) != QMessageBox::Yes) {
            setCaptured(QString());
            return;
        }
        editedShortcuts[actionName(owner)] = QString();
        showText(owner, QString());
        if (QShortcut* shortcut = shortcutList.value(owner))
            shortcut->setKey(QKeySequence());
    }

    editedShortcuts[actionName(action)] = text;
    showText(action, text);
    if (QShortcut* shortcut = shortcutList.value(action))
        shortcut->setKey(KeyTexts::keySequence(text));
    setCaptured(QString());
}

void ShortcutsTab::clearShortcut()
{
    setCaptured(QString());
    setShortcut();
}

void ShortcutsTab::restoreDefaults()
{
    if (dialogs->question(this, tr("Restore Default Shortcuts"),
                          tr("Are you sure you want to reset the keyboard shortcuts?")) == QMessageBox::Yes)
        setEditedShortcuts(defaultShortcuts);
}

void ShortcutsTab::changeSelectedLabelText(QTreeWidgetItem* item, int /*column*/)
{
    if (item)
        promptLabel->setText(tr("Enter keystroke for \"%0\":").arg(item->text(0)));
}

void ShortcutsTab::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    setCaptured(QString());
    shortcutTree->setFocus(Qt::OtherFocusReason);
}
