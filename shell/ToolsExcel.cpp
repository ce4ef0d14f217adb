#include "shell/Tools.h"

#include "platform/widgets/CommonDialog.h"
#include "platform/data/RuntimeError.h"
#include "platform/widgets/Seams.h"
#include "platform/grid/Grelha.h"

#include <QApplication>

namespace Tools {

namespace {

// The most lines, group headings included, a workbook sheet holds below its heading row.
constexpr int MaxExportRows = 65534;

void tell(QWidget* parent, const QString& text, zav::MessageIcon icon)
{
    zav::messageBoxSeam()(parent, zav::MessageRequest{QString(), text, icon, zav::MessageButtons::Ok, false});
}

void reportFailure(QWidget* parent, const QString& number, const QString& description)
{
    tell(parent,
         QStringLiteral("Não foi possivel executar a exportação para Excel !") + QStringLiteral("\r\n")
             + QStringLiteral("Erro: ") + number + QStringLiteral("\r\n") + description,
         zav::MessageIcon::Critical);
}

} // namespace

void ExportarExcel(zav::Grelha& grid, zav::CommonDialog& dialog)
{
    try {
        if (grid.exportRowCount() > MaxExportRows) {
            tell(&grid, QStringLiteral("Não é possivel exportar para excel grelhas com mais de 65534 linhas!"),
                 zav::MessageIcon::Information);
            return;
        }
        const QString path = SelecionaFicheiro(dialog, QStringLiteral("Ficheiros de excel (*.xls)|*.xls"));
        if (path.isEmpty())
            return;
        grid.exportToXls(path);
        if (!zav::shellOpenSeam()(path))
            tell(&grid, QString::fromUtf8("O ficheiro \"%1\" foi gravado, mas não há nenhum programa que o abra.").arg(path),
                 zav::MessageIcon::Information);
    } catch (const zav::RuntimeError& error) {
        reportFailure(&grid, error.numberText(), error.description());
    } catch (const std::exception& error) {
        reportFailure(&grid, zav::RuntimeError(zav::errors::Unspecified, {}).numberText(), QString::fromLocal8Bit(error.what()));
    }
}

QString SelecionaFicheiro(zav::CommonDialog& dialog, const QString& filter)
{
    try {
        return dialog.showSave(QApplication::activeWindow(), filter);
    } catch (...) {
        return {};
    }
}

} // namespace Tools
