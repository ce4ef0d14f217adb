#include "platform/data/FicheiroIni.h"

#include "platform/data/TextFile.h"

namespace zav {

void FicheiroIni::setFicheiro(const QString& ficheiro)
{
    ficheiro_ = ficheiro;
    valores_.clear();
    QString section;
    for (const QString& rawLine : TextFile::readLines(ficheiro)) {
        const QString line = rawLine.trimmed();
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
