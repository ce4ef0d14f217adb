#include "stat/LeituraFicheiros.h"

#include <QJsonDocument>
#include <QProcess>
#include <stdexcept>

namespace leitura {

namespace {

QByteArray Executa(const QString& programa, const QStringList& argumentos)
{
    QProcess processo;
    processo.start(programa, argumentos);
    if (!processo.waitForFinished(30000) || processo.exitCode() != 0)
        throw std::runtime_error((programa + QStringLiteral(": ")).toStdString() + processo.readAllStandardError().toStdString());
    return processo.readAllStandardOutput();
}

const char* const LeitorXlrd = R"(
import json, sys, xlrd
sheet = xlrd.open_workbook(sys.argv[1]).sheet_by_index(0)
kinds = {xlrd.XL_CELL_TEXT: 't', xlrd.XL_CELL_NUMBER: 'n'}
print(json.dumps([[[kinds.get(c.ctype, ''), c.value] for c in sheet.row(r)] for r in range(sheet.nrows)]))
)";

} // namespace

QString TextoPdf(const QString& caminho)
{
    return QString::fromUtf8(Executa(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), caminho, QStringLiteral("-")}));
}

QJsonArray LinhasLivro(const QString& caminho)
{
    const QByteArray json = Executa(QStringLiteral("/usr/bin/python3"),
                                    {QStringLiteral("-c"), QString::fromUtf8(LeitorXlrd), caminho});
    return QJsonDocument::fromJson(json).array();
}

} // namespace leitura
