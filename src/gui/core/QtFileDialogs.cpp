#include "gui/core/QtFileDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QPointer>

namespace qmr {

namespace {

std::optional<std::string> Spust(QFileDialog *d)
{
    QPointer<QFileDialog> dlg = d;
    std::optional<std::string> vysledek;
    if (dlg->exec() == QDialog::Accepted && dlg && !dlg->selectedFiles().isEmpty())
        vysledek = dlg->selectedFiles().first().toStdString();
    delete dlg;
    return vysledek;
}

QWidget *AktivniOkno()
{
    if (QWidget *w = QApplication::activeModalWidget())
        return w;
    return QApplication::activeWindow();
}

} // namespace

QStringList QtFileDialogs::QtFiltry(const std::string &filter)
{
    const QStringList casti = QString::fromStdString(filter).split(QLatin1Char('|'));
    QStringList filtry;
    for (qsizetype i = 0; i + 1 < casti.size(); i += 2) {
        QStringList vzory = casti[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString &v : vzory)
            v = v.trimmed();
        filtry << casti[i].trimmed() + QStringLiteral(" (") + vzory.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return filtry;
}

QFileDialog *QtFileDialogs::VytvorDialog(bool Ulozit, const std::string &fileName, const std::string &folder,
                                         const std::string &filter, QWidget *parent)
{
    auto *d = new QFileDialog(parent);
    // The dialog of the toolkit itself: the same on every desktop and scriptable in tests.
    // It has no read-only check box to hide.
    d->setOption(QFileDialog::DontUseNativeDialog, true);
    d->setAcceptMode(Ulozit ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    d->setFileMode(Ulozit ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The save dialog asks before an existing file is overwritten (Qt's default, made explicit).
    d->setOption(QFileDialog::DontConfirmOverwrite, false);
    const QStringList filtry = QtFiltry(filter);
    if (!filtry.isEmpty()) {
        d->setNameFilters(filtry);
        // A name typed without extension gets the first pattern's one ("*.qms" -> "qms"),
        // so that the overwrite question concerns the file actually written.
        const QString prvni = QString::fromStdString(filter).section(QLatin1Char('|'), 1, 1)
                                  .section(QLatin1Char(';'), 0, 0).trimmed();
        if (Ulozit && prvni.startsWith(QStringLiteral("*.")) && prvni.indexOf(QLatin1Char('*'), 1) < 0
            && !prvni.contains(QLatin1Char('?')))
            d->setDefaultSuffix(prvni.mid(2));
    }
    if (!folder.empty())
        d->setDirectory(QString::fromStdString(folder));
    if (!fileName.empty())
        d->selectFile(QString::fromStdString(fileName));
    return d;
}

std::optional<std::string> QtFileDialogs::Open(const std::string &fileName, const std::string &folder,
                                               const std::string &filter)
{
    return Spust(VytvorDialog(false, fileName, folder, filter, AktivniOkno()));
}

std::optional<std::string> QtFileDialogs::Save(const std::string &fileName, const std::string &folder,
                                               const std::string &filter)
{
    return Spust(VytvorDialog(true, fileName, folder, filter, AktivniOkno()));
}

} // namespace qmr
