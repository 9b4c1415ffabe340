#include "TextFit.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionViewItem>
#include <QTabBar>
#include <QTextDocument>
#include <QTreeWidget>

#include <algorithm>

namespace textfit {

namespace {

QString where(const QWidget* widget)
{
    return QString::fromLatin1(widget->metaObject()->className()) + " '" + widget->objectName() + "'";
}

// A mnemonic's "&" takes no room; "&&" is one "&".
QString withoutMnemonic(QString text)
{
    text.replace(QLatin1String("&&"), QLatin1String("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

bool isRich(const QLabel* label)
{
    return label->textFormat() == Qt::RichText
        || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
}

void addLabel(QLabel* label, QVector<Shown>& out)
{
    if (label->text().isEmpty())
        return;
    const int margin = label->margin();
    const int available = label->contentsRect().width() - 2 * margin;
    int needed = -1;
    if (!label->wordWrap()) {
        if (isRich(label)) {
            // As the label lays it out: its font, no document margin.
            QTextDocument document;
            document.setDefaultFont(label->font());
            document.setDocumentMargin(0);
            document.setHtml(label->text());
            // Glyph advances are fractional here: to the nearest pixel, as
            // the label's own metrics round them.
            needed = qRound(document.idealWidth());
        } else {
            // With a buddy, "&" marks the mnemonic and takes no room.
            const int flags = label->buddy() != nullptr ? Qt::TextShowMnemonic : 0;
            needed = label->fontMetrics().size(flags, label->text()).width();
        }
    }
    out.push_back({where(label), plainText(label->text()), needed, available});
}

void addButton(QAbstractButton* button, QVector<Shown>& out)
{
    if (button->text().isEmpty())
        return;
    const QString text = withoutMnemonic(button->text());
    // A button that paints its text itself names the area it draws it in.
    const QRect area = button->property("textArea").toRect();
    if (area.isValid()) {
        out.push_back({where(button), text, button->fontMetrics().horizontalAdvance(text), area.width()});
        return;
    }
    int needed = -1;
    if (auto* push = qobject_cast<QPushButton*>(button)) {
        // The style's own sum without its minimum width: margins, frame and
        // the default button's indicator around the text and icon.
        QStyle* style = push->style();
        int width = push->fontMetrics().horizontalAdvance(text);
        if (!push->icon().isNull())
            width += push->iconSize().width() + 4;
        width += style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, push)
            + 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, push);
        if (push->autoDefault() || push->isDefault())
            width += 2 * style->pixelMetric(QStyle::PM_ButtonDefaultIndicator, nullptr, push);
        needed = width;
    } else if (qobject_cast<QRadioButton*>(button) || qobject_cast<QCheckBox*>(button)) {
        needed = button->sizeHint().width();
    }
    out.push_back({where(button), text, needed, button->width()});
}

void addGroupBox(QGroupBox* box, QVector<Shown>& out)
{
    if (box->title().isEmpty())
        return;
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    option.lineWidth = 1;
    option.textAlignment = box->alignment();
    const QRect label = box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
    // The label rect is as wide as the title: it fits when it ends inside.
    out.push_back({where(box), withoutMnemonic(box->title()), label.right() + 1, box->width()});
}

void addTabBar(QTabBar* bar, QVector<Shown>& out)
{
    // A tab's text between the style's horizontal tab space.
    const int space = bar->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, bar);
    for (int i = 0; i < bar->count(); ++i) {
        const QString text = withoutMnemonic(bar->tabText(i));
        out.push_back({where(bar) + " tab " + QString::number(i), text,
                       bar->fontMetrics().horizontalAdvance(text) + space, bar->tabRect(i).width()});
    }
}

void addComboBox(QComboBox* combo, QVector<Shown>& out)
{
    for (int i = 0; i < combo->count(); ++i) {
        if (i == combo->currentIndex()) {
            QStyleOptionComboBox option;
            option.initFrom(combo);
            option.editable = combo->isEditable();
            option.currentText = combo->currentText();
            const QSize text(combo->fontMetrics().horizontalAdvance(combo->currentText()),
                             combo->fontMetrics().height());
            const int needed = combo->style()->sizeFromContents(QStyle::CT_ComboBox, &option, text, combo).width();
            // A box whose own minimum leaves out its text is made to elide
            // it, as Qt's file dialog does with long paths and filters.
            const bool elides = combo->minimumSizeHint().width() < needed;
            out.push_back({where(combo), combo->itemText(i), elides ? -1 : needed, combo->width()});
        } else {
            // The list opens as wide as its longest entry.
            out.push_back({where(combo), combo->itemText(i), -1, 0});
        }
    }
}

// What a column of a tree shows of its cells: from its left edge to the
// viewport's right edge at most.
int visibleWidth(const QTreeView* tree, const QRect& cell)
{
    return std::max(0, std::min(cell.right(), tree->viewport()->width() - 1) - cell.left() + 1);
}

// clipped: measured against what the viewport shows of a section, else
// against the whole section (the view scrolls to it).
void addHeader(QTreeView* tree, bool clipped, QVector<Shown>& out)
{
    QStyle* style = tree->style();
    QHeaderView* header = tree->header();
    const int margin = style->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    for (int c = 0; c < header->count(); ++c) {
        if (header->isSectionHidden(c))
            continue;
        const QString text = tree->model()->headerData(c, Qt::Horizontal).toString();
        int needed = header->fontMetrics().horizontalAdvance(text) + 2 * margin;
        if (header->isSortIndicatorShown() && header->sortIndicatorSection() == c)
            needed += style->pixelMetric(QStyle::PM_HeaderMarkSize, nullptr, header) + margin;
        const int left = header->sectionViewportPosition(c);
        const QRect section(left, 0, header->sectionSize(c), header->height());
        out.push_back({where(tree) + " header " + QString::number(c), text, needed,
                       clipped ? visibleWidth(tree, section) : section.width()});
    }
}

void addTree(QTreeWidget* tree, QVector<Shown>& out)
{
    if (!tree->isHeaderHidden())
        addHeader(tree, true, out);
    // A cell's text sits between the focus frame's margins.
    QStyle* style = tree->style();
    const int padding = 2 * (style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, tree) + 1);
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        for (int c = 0; c < tree->columnCount(); ++c) {
            const QString text = (*it)->text(c);
            if (text.isEmpty())
                continue;
            const QRect cell = tree->visualItemRect(*it);
            const int left = tree->header()->sectionViewportPosition(c);
            QRect column(left, cell.top(), tree->columnWidth(c), cell.height());
            if (c == 0)
                column.setLeft(cell.left()); // after the indentation
            const int needed = QFontMetrics((*it)->font(c)).horizontalAdvance(text) + padding;
            out.push_back({where(tree) + " cell " + QString::number(c), text, needed, visibleWidth(tree, column)});
        }
    }
}

// Any other list or tree: its header, each section against its whole
// width, and the cells in sight, each as wide as its delegate draws it
// against the room right of its left edge. The names of the user's files
// are theirs, elided as the view does.
void addItemView(QAbstractItemView* view, QVector<Shown>& out)
{
    QAbstractItemModel* model = view->model();
    if (model == nullptr)
        return;
    auto* tree = qobject_cast<QTreeView*>(view);
    if (tree != nullptr && !tree->isHeaderHidden())
        addHeader(tree, false, out);
    const bool files = qobject_cast<QFileSystemModel*>(model) != nullptr;
    QStyleOptionViewItem option;
    option.initFrom(view);
    option.widget = view;
    option.font = view->font();
    const int icon = view->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, view);
    option.decorationSize = view->iconSize().isValid() ? view->iconSize() : QSize(icon, icon);
    const QRect viewport = view->viewport()->rect();
    const QModelIndex root = view->rootIndex();
    for (int row = 0; row < model->rowCount(root); ++row) {
        for (int c = 0; c < model->columnCount(root); ++c) {
            const QModelIndex index = model->index(row, c, root);
            const QString text = index.data().toString();
            const QRect cell = view->visualRect(index);
            if (text.isEmpty() || !cell.isValid() || !cell.intersects(viewport))
                continue;
            const int needed = files ? -1 : view->itemDelegate(index)->sizeHint(option, index).width();
            out.push_back({where(view) + " cell " + QString::number(c), text, needed,
                           std::max(0, viewport.right() - cell.left() + 1)});
        }
    }
}

void addMenuActions(const QList<QAction*>& actions, const QString& place, QVector<Shown>& out)
{
    for (QAction* action : actions) {
        if (action->isSeparator())
            continue;
        // A menu grows to its widest entry.
        out.push_back({place, withoutMnemonic(action->text()), -1, 0});
        if (action->menu())
            addMenuActions(action->menu()->actions(), place, out);
    }
}

} // namespace

QString plainText(const QString& text)
{
    if (!Qt::mightBeRichText(text))
        return text;
    QTextDocument document;
    document.setHtml(text);
    return document.toPlainText();
}

QVector<Shown> visibleTexts(QWidget* top)
{
    QVector<Shown> out;
    if (!top->windowTitle().isEmpty())
        out.push_back({where(top) + " title", top->windowTitle(), -1, 0});
    QList<QWidget*> widgets = top->findChildren<QWidget*>();
    widgets.prepend(top);
    for (QWidget* widget : widgets) {
        if (widget != top && !widget->isVisibleTo(top))
            continue;
        if (!widget->toolTip().isEmpty())
            out.push_back({where(widget) + " tooltip", widget->toolTip(), -1, 0});
        if (auto* label = qobject_cast<QLabel*>(widget))
            addLabel(label, out);
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            addButton(button, out);
        else if (auto* box = qobject_cast<QGroupBox*>(widget))
            addGroupBox(box, out);
        else if (auto* bar = qobject_cast<QTabBar*>(widget))
            addTabBar(bar, out);
        else if (auto* combo = qobject_cast<QComboBox*>(widget))
            addComboBox(combo, out);
        else if (auto* tree = qobject_cast<QTreeWidget*>(widget))
            addTree(tree, out);
        else if (auto* view = qobject_cast<QAbstractItemView*>(widget))
            addItemView(view, out);
        else if (auto* menuBar = qobject_cast<QMenuBar*>(widget))
            addMenuActions(menuBar->actions(), where(menuBar), out);
        else if (auto* menu = qobject_cast<QMenu*>(widget))
            addMenuActions(menu->actions(), where(menu), out);
    }
    return out;
}

} // namespace textfit
