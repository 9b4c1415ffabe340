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
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The tree keeps each row's display text here; column 1 shows it in the
// platform's key names.
constexpr int displayTextRole = Qt::UserRole;
// The widest combination the key column shows whole, in the language's own
// key names ("Strg+Umschalt+Alt+F12"): the page, and with it the dialog,
// is made wide enough for it beside the widest action name.
const char* const widestKeys = "CTRL+SHIFT+ALT+F12";

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
    : QWidget(parent), defaultShortcuts_(defaultTexts()), editedShortcuts_(defaultShortcuts_),
      dialogs_(PreferencesDialogs::qtDialogs())
{
    initWidgets();
    setEditedShortcuts(defaultShortcuts_);
    shortcutTree_->setFocusPolicy(Qt::StrongFocus);
    initConnections();
    initLayout();
    shortcutTree_->installEventFilter(keyPressEater_);
    shortcutEdit_->installEventFilter(keyPressEater_);
    installEventFilter(keyPressEater_);
}

ShortcutsTab::~ShortcutsTab()
{
    for (const QPointer<QShortcut>& shortcut : shortcutList_)
        delete shortcut.data();
}

void ShortcutsTab::setDialogs(PreferencesDialogs* newDialogs)
{
    dialogs_ = newDialogs;
}

QMap<QString, QString> ShortcutsTab::defaultTexts()
{
    QMap<QString, QString> texts;
    for (const ShortcutActions::Action& action : ShortcutActions::actions) {
        QString keys = QString::fromLatin1(action.defaultKeys);
        texts.insert(QString::fromLatin1(action.name),
                     keys.replace(QStringLiteral("CTRL"), KeyTexts::commandSign()));
    }
    return texts;
}

void ShortcutsTab::initWidgets()
{
    keyPressEater_ = new KeyPressEater(this);
    shortcutEdit_ = new QLineEdit(this);
    shortcutEdit_->setAttribute(Qt::WA_TransparentForMouseEvents);
    setButton_ = new QPushButton(tr("Set"), this);
    setButton_->setAutoRepeat(false);
    clearButton_ = new QPushButton(tr("Clear"), this);
    restoreDefaultsButton_ = new QPushButton(tr("Restore Defaults"), this);
    promptLabel_ = new QLabel(this);
    shortcutEdit_->setObjectName(QStringLiteral("shortcutEdit"));
    setButton_->setObjectName(QStringLiteral("setButton"));
    clearButton_->setObjectName(QStringLiteral("clearButton"));
    restoreDefaultsButton_->setObjectName(QStringLiteral("restoreDefaultsButton"));
    promptLabel_->setObjectName(QStringLiteral("promptLabel"));

    shortcutTree_ = new QTreeWidget(this);
    shortcutTree_->setObjectName(QStringLiteral("shortcutTree"));
    shortcutTree_->setColumnCount(2);
    shortcutTree_->setHeaderLabels({tr("Action"), tr("Shortcut")});
    shortcutTree_->setRootIsDecorated(false);
    QList<QTreeWidgetItem*> items;
    for (int i = 0; i < ShortcutActions::count; ++i) {
        auto* item = new QTreeWidgetItem(0);
        item->setText(0, translatedName(i));
        items << item;
    }
    shortcutItems_ = items;
    for (int i = 0; i < ShortcutActions::count; ++i)
        showText(i, defaultShortcuts_.value(actionName(i)));
    shortcutTree_->insertTopLevelItems(0, items);
    shortcutTree_->setSortingEnabled(true);
    shortcutTree_->sortItems(0, Qt::AscendingOrder);
    shortcutTree_->resizeColumnToContents(0);
    const int keyColumn = shortcutTree_->header()->sectionSizeHint(1);
    const int keys =
        shortcutTree_->fontMetrics().horizontalAdvance(KeyTexts::shown(QString::fromLatin1(widestKeys)))
        + 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, shortcutTree_) + 1);
    shortcutTree_->setMinimumWidth(shortcutTree_->columnWidth(0) + std::max(keyColumn, keys)
                                   + style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, shortcutTree_)
                                   + 2 * shortcutTree_->frameWidth());
}

void ShortcutsTab::initLayout()
{
    auto* row = new QHBoxLayout;
    row->setSpacing(5);
    row->addWidget(shortcutEdit_, 1);
    row->addWidget(setButton_, 0, Qt::AlignRight);
    row->addWidget(clearButton_, 0, Qt::AlignRight);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(shortcutTree_);
    layout->addWidget(promptLabel_);
    layout->addLayout(row);
    layout->addWidget(restoreDefaultsButton_, 1, Qt::AlignRight);
}

void ShortcutsTab::initConnections()
{
    connect(keyPressEater_, &KeyPressEater::keyPressed, this, &ShortcutsTab::keyPressed);
    connect(setButton_, &QPushButton::released, this, &ShortcutsTab::setShortcut);
    connect(clearButton_, &QPushButton::released, this, &ShortcutsTab::clearShortcut);
    connect(restoreDefaultsButton_, &QPushButton::released, this, &ShortcutsTab::restoreDefaults);
    connect(shortcutTree_, &QTreeWidget::itemClicked, this, &ShortcutsTab::changeSelectedLabelText);
}

void ShortcutsTab::showText(int action, const QString& text)
{
    QTreeWidgetItem* item = shortcutItems_.at(action);
    item->setData(1, displayTextRole, text);
    item->setText(1, KeyTexts::shown(text));
}

QStringList ShortcutsTab::getEditedShortcutValues() const
{
    QStringList values;
    for (const QTreeWidgetItem* item : shortcutItems_)
        values << item->data(1, displayTextRole).toString();
    return values;
}

void ShortcutsTab::setEditedShortcutValues(const QStringList& stored)
{
    if (stored.size() < ShortcutActions::count)
        return;
    QMap<QString, QString> texts = editedShortcuts_;
    for (int i = 0; i < ShortcutActions::count; ++i)
        texts[actionName(i)] = KeyTexts::loadedFromStored(stored.at(i));
    setEditedShortcuts(texts);
}

void ShortcutsTab::setEditedShortcuts(const QMap<QString, QString>& texts)
{
    editedShortcuts_ = texts;
    for (int i = 0; i < ShortcutActions::count; ++i) {
        QString display = editedShortcuts_.value(actionName(i));
        showText(i, display.replace(QStringLiteral("META"), QStringLiteral("CTRL")));
    }
    shortcutTree_->setCurrentItem(shortcutItems_.first());
    changeSelectedLabelText(shortcutItems_.first(), 0);

    for (const QPointer<QShortcut>& shortcut : shortcutList_)
        delete shortcut.data();
    shortcutList_.clear();
    for (int i = 0; i < ShortcutActions::count; ++i) {
        auto* shortcut = new QShortcut(KeyTexts::keySequence(editedShortcuts_.value(actionName(i))), this);
        shortcut->setObjectName(actionName(i));
        shortcut->setContext(Qt::ApplicationShortcut);
        shortcutList_ << shortcut;
    }
    emit initMainWindowShortcuts();
}

QList<QShortcut*> ShortcutsTab::shortcuts() const
{
    QList<QShortcut*> live;
    for (const QPointer<QShortcut>& shortcut : shortcutList_) {
        if (shortcut)
            live << shortcut.data();
    }
    return live;
}

void ShortcutsTab::setCaptured(const QString& display)
{
    captured_ = display;
    shortcutEdit_->setText(KeyTexts::shown(display));
}

void ShortcutsTab::keyPressed(const QString& key)
{
    setCaptured(KeyTexts::displayFromCaptured(key));
}

int ShortcutsTab::ownerOf(const QString& text) const
{
    for (int i = 0; i < ShortcutActions::count; ++i) {
        if (KeyTexts::sameKeys(editedShortcuts_.value(actionName(i)), text))
            return i;
    }
    return -1;
}

void ShortcutsTab::setShortcut()
{
    const int action = shortcutItems_.indexOf(shortcutTree_->currentItem());
    if (action < 0)
        return;
    const QString text = captured_;

    // Texts are compared as keys: a loaded "META+A" and a captured
    // "CTRL+A" are one combination, and Qt fires neither of two shortcuts
    // that share one.
    const int owner = ownerOf(text);
    if (owner >= 0) {
        if (KeyTexts::sameKeys(editedShortcuts_.value(actionName(action)), text)) {
            setCaptured(QString());
            return;
        }
        const QString question =
            tr("The keystroke \"%0\" is currently being used for the action \"%1\"")
                .arg(KeyTexts::shown(text).toHtmlEscaped(), translatedName(owner).toHtmlEscaped())
            + QStringLiteral("<br />") + tr("Do you want to overwrite that shortcut?");
        if (dialogs_->question(this, tr("Overwrite Existing Shortcut?"), question) != QMessageBox::Yes) {
            setCaptured(QString());
            return;
        }
        editedShortcuts_[actionName(owner)] = QString();
        showText(owner, QString());
        if (QShortcut* shortcut = shortcutList_.value(owner))
            shortcut->setKey(QKeySequence());
    }

    editedShortcuts_[actionName(action)] = text;
    showText(action, text);
    if (QShortcut* shortcut = shortcutList_.value(action))
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
    if (dialogs_->question(this, tr("Restore Default Shortcuts"),
                           tr("Are you sure you want to reset the keyboard shortcuts?"))
        == QMessageBox::Yes)
        setEditedShortcuts(defaultShortcuts_);
}

void ShortcutsTab::changeSelectedLabelText(QTreeWidgetItem* item, int /*column*/)
{
    if (item)
        promptLabel_->setText(tr("Enter keystroke for \"%0\":").arg(item->text(0)));
}

void ShortcutsTab::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    setCaptured(QString());
    shortcutTree_->setFocus(Qt::OtherFocusReason);
}
