#include "platform/widgets/Seams.h"

#include "platform/widgets/ListaPesquisaDialog.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QPrinter>
#include <QPrinterInfo>
#include <QUrl>

namespace zav {

namespace {

QMessageBox::Icon toQt(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

int showMessage(QWidget* parent, const MessageRequest& request)
{
    QMessageBox box(toQt(request.icon), request.title, request.text, QMessageBox::NoButton, parent);
    QList<std::pair<QAbstractButton*, int>> answers;
    auto add = [&](const QString& caption, QMessageBox::ButtonRole role, int result) {
        answers.append({box.addButton(caption, role), result});
    };
    switch (request.buttons) {
    case MessageButtons::Ok:
        add(QStringLiteral("OK"), QMessageBox::AcceptRole, vbOK);
        break;
    case MessageButtons::OkCancel:
        add(QStringLiteral("OK"), QMessageBox::AcceptRole, vbOK);
        add(QStringLiteral("Cancelar"), QMessageBox::RejectRole, vbCancel);
        break;
    case MessageButtons::YesNo:
        add(QStringLiteral("Sim"), QMessageBox::YesRole, vbYes);
        add(QStringLiteral("Não"), QMessageBox::NoRole, vbNo);
        break;
    }
    const int defaultIndex = request.secondButtonDefault && answers.size() > 1 ? 1 : 0;
    box.setDefaultButton(qobject_cast<QPushButton*>(answers[defaultIndex].first));
    if (request.buttons == MessageButtons::OkCancel)
        box.setEscapeButton(answers[1].first);
    box.exec();
    for (const auto& [button, result] : answers)
        if (box.clickedButton() == button)
            return result;
    return request.buttons == MessageButtons::YesNo ? vbNo : (request.buttons == MessageButtons::OkCancel ? vbCancel : vbOK);
}

QString chooseSaveFile(QWidget* parent, const FileRequest& request)
{
    // "Description (*.xls)|*.xls" pairs become Qt's "Description (*.xls)" filters.
    const QStringList parts = request.filter.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        filters << parts[i];
    return QFileDialog::getSaveFileName(parent, QString(), request.initialName, filters.join(QStringLiteral(";;")));
}

bool askPrinter(QWidget* parent, QPrinter& printer)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

bool useDefaultPrinter(QPrinter& printer)
{
    const QPrinterInfo standard = QPrinterInfo::defaultPrinter();
    if (standard.isNull())
        return false;
    printer.setPrinterName(standard.printerName());
    return printer.isValid();
}

QString choosePick(QWidget* parent, const PickListRequest& request)
{
    ListaPesquisaDialog dialog(request, parent);
    return dialog.exec() == QDialog::Accepted ? dialog.chosenValue() : QString();
}

bool openWithDesktop(const QString& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

} // namespace

Seam<int(QWidget*, const MessageRequest&)>& messageBoxSeam()
{
    static Seam<int(QWidget*, const MessageRequest&)> seam(showMessage);
    return seam;
}

Seam<QString(QWidget*, const FileRequest&)>& saveFileSeam()
{
    static Seam<QString(QWidget*, const FileRequest&)> seam(chooseSaveFile);
    return seam;
}

Seam<bool(QWidget*, QPrinter&)>& printDialogSeam()
{
    static Seam<bool(QWidget*, QPrinter&)> seam(askPrinter);
    return seam;
}

Seam<bool(QPrinter&)>& defaultPrinterSeam()
{
    static Seam<bool(QPrinter&)> seam(useDefaultPrinter);
    return seam;
}

Seam<QString(QWidget*, const PickListRequest&)>& pickListSeam()
{
    static Seam<QString(QWidget*, const PickListRequest&)> seam(choosePick);
    return seam;
}

Seam<bool(const QString&)>& shellOpenSeam()
{
    static Seam<bool(const QString&)> seam(openWithDesktop);
    return seam;
}

} // namespace zav
