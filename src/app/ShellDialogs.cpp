#include "ShellDialogs.h"

#include <QAbstractItemModel>
#include <QDesktopServices>
#include <QHeaderView>
#include <QPixmap>
#include <QStyle>

namespace {

// Qt sizes the columns for English headings: a longer translation
// ("Dernière modification") would show cut. Only ever widened, so a width
// the user chose and Qt restored stays.
void fitHeadings(QHeaderView* header)
{
    const QAbstractItemModel* model = header->model();
    if (model == nullptr)
        return;
    QStyle* style = header->style();
    const int margin = style->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    for (int c = 0; c < header->count(); ++c) {
        int width =
            header->fontMetrics().horizontalAdvance(model->headerData(c, Qt::Horizontal).toString()) + 2 * margin;
        if (header->isSortIndicatorShown() && header->sortIndicatorSection() == c)
            width += style->pixelMetric(QStyle::PM_HeaderMarkSize, nullptr, header) + margin;
        if (header->sectionSize(c) < width)
            header->resizeSection(c, width);
    }
}

QString chosenFile(const QFileDialog& dialog)
{
    const QUrl chosen = dialog.selectedUrls().value(0);
    return chosen.isLocalFile() || chosen.isEmpty() ? chosen.toLocalFile() : chosen.toString();
}

} // namespace

std::unique_ptr<QFileDialog> makeFileDialog(QWidget* parent, const QString& caption, const QString& startPath,
                                            const QString& filter, QFileDialog::AcceptMode mode)
{
    auto dialog = std::make_unique<QFileDialog>(parent, caption, startPath, filter);
    dialog->setAcceptMode(mode);
    dialog->setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog->setSupportedSchemes({QStringLiteral("file")});
    // A native dialog has no widgets of Qt's to fit.
    for (QHeaderView* header : dialog->findChildren<QHeaderView*>())
        fitHeadings(header);
    return dialog;
}

QString QtShellDialogs::getOpenFileName(QWidget* parent, const QString& caption, const QString& startPath,
                                        const QString& filter)
{
    const auto dialog = makeFileDialog(parent, caption, startPath, filter, QFileDialog::AcceptOpen);
    return dialog->exec() == QDialog::Accepted ? chosenFile(*dialog) : QString();
}

QString QtShellDialogs::getSaveFileName(QWidget* parent, const QString& caption, const QString& startPath,
                                        const QString& filter, QString* selectedFilter)
{
    const auto dialog = makeFileDialog(parent, caption, startPath, filter, QFileDialog::AcceptSave);
    if (selectedFilter != nullptr && !selectedFilter->isEmpty())
        dialog->selectNameFilter(*selectedFilter);
    if (dialog->exec() != QDialog::Accepted)
        return QString();
    if (selectedFilter != nullptr)
        *selectedFilter = dialog->selectedNameFilter();
    return chosenFile(*dialog);
}

QMessageBox::StandardButton QtShellDialogs::question(QWidget* parent, const QString& title, const QString& text,
                                                     QMessageBox::StandardButtons buttons,
                                                     QMessageBox::StandardButton defaultButton)
{
    return QMessageBox::question(parent, title, text, buttons, defaultButton);
}

void QtShellDialogs::warning(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox::warning(parent, title, text, QMessageBox::Ok);
}

void QtShellDialogs::detailedWarning(QWidget* parent, const QString& title, const QString& text,
                                     const QString& details)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
    box.setDetailedText(details);
    box.exec();
}

void QtShellDialogs::information(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox::information(parent, title, text, QMessageBox::Ok);
}

void QtShellDialogs::about(QWidget* parent, const QString& richText)
{
    QMessageBox box(parent);
    box.setIconPixmap(QPixmap(QStringLiteral(":/images/icon_64.png")));
    box.setTextFormat(Qt::RichText);
    box.setText(richText);
    box.exec();
}

void QtShellDialogs::openUrl(const QUrl& url)
{
    QDesktopServices::openUrl(url);
}
