#include "platform/data/FicheiroIni.h"

#include <QFile>
#include <QTextStream>

namespace zav {

void FicheiroIni::setFicheiro(const QString& ficheiro)
{
    ficheiro_ = ficheiro;
    valores_.clear();
    QFile file(ficheiro);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    QTextStream in(&file);
    QString section;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            section = line.mid(1, line.size() - 2).trimmed().toLower();
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals <= 0)
            continue;
        valores_.insert(section + QLatin1Char('/') + line.left(equals).trimmed().toLower(),
                        line.mid(equals + 1).trimmed());
    }
}

QString FicheiroIni::LerValor(const QString& seccao, const QString& chave) const
{
    return valores_.value(seccao.trimmed().toLower() + QLatin1Char('/') + chave.trimmed().toLower());
}

} // namespace zav
