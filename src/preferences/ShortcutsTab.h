// The "Keyboard Shortcuts" page: 29 named actions with their keys in a
// two-column tree. The user clicks a row, presses a combination (captured
// by KeyPressEater into the line field) and assigns it with "Set"; "Clear"
// empties the row; "Restore Defaults" puts every built-in key back. The
// page owns one QShortcut per action, named after it (ShortcutActions.h);
// whenever it replaces all its texts it builds them anew and emits
// initMainWindowShortcuts(), upon which the main window takes them over and
// connects them. Edits act at once; the dialog's OK and Cancel do not touch
// this page. Key texts and their forms: KeyTexts.h. GUI thread.
#pragma once

#include <QList>
#include <QMap>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

class KeyPressEater;
class PreferencesDialogs;
class QLabel;
class QLineEdit;
class QPushButton;
class QShortcut;
class QTreeWidget;
class QTreeWidgetItem;

class ShortcutsTab : public QWidget
{
    Q_OBJECT

public:
    explicit ShortcutsTab(QWidget* parent);
    // Deletes its shortcuts, wherever they were re-parented.
    ~ShortcutsTab() override;

    // Not owned; Qt's boxes unless set.
    void setDialogs(PreferencesDialogs* dialogs_);

    // The 29 defaults in display form, by action name.
    static QMap<QString, QString> defaultTexts();

    // The display texts of the 29 rows in name order.
    QStringList getEditedShortcutValues() const;
    // Takes a stored list: its first 29 entries, by position. A list of
    // fewer entries matches no action set and is ignored.
    void setEditedShortcutValues(const QStringList& stored);
    // Replaces every text and rebuilds the shortcuts.
    void setEditedShortcuts(const QMap<QString, QString>& texts);

    // The live shortcuts in name order.
    QList<QShortcut*> shortcuts() const;

    // The current text of every action (display, or stored as loaded).
    const QMap<QString, QString>& editedTexts() const { return editedShortcuts_; }
    // The captured combination waiting for "Set", in display form.
    QString capturedText() const { return captured_; }

public slots:
    void keyPressed(const QString& key);
    void setShortcut();
    void clearShortcut();
    void restoreDefaults();
    void changeSelectedLabelText(QTreeWidgetItem* item, int column);

signals:
    void initMainWindowShortcuts();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void initWidgets();
    void initLayout();
    void initConnections();
    void showText(int action, const QString& text);
    // The first action whose text names the same keys as text, or -1.
    int ownerOf(const QString& text) const;
    void setCaptured(const QString& display);

    QList<QPointer<QShortcut>> shortcutList_;
    QTreeWidget* shortcutTree_ = nullptr;
    KeyPressEater* keyPressEater_ = nullptr;
    QLineEdit* shortcutEdit_ = nullptr;
    QPushButton* setButton_ = nullptr;
    QPushButton* clearButton_ = nullptr;
    QPushButton* restoreDefaultsButton_ = nullptr;
    QMap<QString, QString> defaultShortcuts_;
    QMap<QString, QString> editedShortcuts_;
    QList<QTreeWidgetItem*> shortcutItems_;
    QLabel* promptLabel_ = nullptr;

    QString captured_;
    PreferencesDialogs* dialogs_;
};
