#include "reports/TitulosTamanho.h"

#include "platform/data/zavCoreDataAccess2016.h"

#include <array>

namespace {

const QString CampoTamHor = QStringLiteral("TamHor");

// Blanks only, as the descriptions are padded; other characters are the
// description's own.
QString semEspacosNasPontas(const QString& texto)
{
    qsizetype inicio = 0;
    qsizetype fim = texto.size();
    while (inicio < fim && texto.at(inicio) == QLatin1Char(' '))
        ++inicio;
    while (fim > inicio && texto.at(fim - 1) == QLatin1Char(' '))
        --fim;
    return texto.mid(inicio, fim - inicio);
}

} // namespace

TitulosTamanho::TitulosTamanho(zav::zavCoreDataAccess2016& bd, LinhasSeguintes seguintes)
    : bd_(bd), seguintes_(seguintes)
{
}

zav::RecordsetPtr TitulosTamanho::CriaRsTamHor()
{
    auto lista = std::make_shared<zav::Recordset>();
    lista->appendField(CampoTamHor, zav::FieldType::Text, 10);
    lista->open();
    return lista;
}

QString TitulosTamanho::sqlTipoDaReferencia(const QString& codRef)
{
    return QStringLiteral(" Select distinct TMHOR from Artigos") + QStringLiteral(" where Codigo='")
        + zav::SqlTexto(codRef) + QStringLiteral("' ") + QStringLiteral(" and CodRef=''and TMHOR<>'' and TMVER<>''");
}

QString TitulosTamanho::sqlPosicaoMaxima(const QString& tipo)
{
    return QStringLiteral("Select coalesce(Max(PosImp),0) as PosImp from MedTamCo where CodTipoM='")
        + zav::SqlTexto(tipo) + QStringLiteral("' ");
}

QString TitulosTamanho::sqlTamanhos(const QString& tipo)
{
    return QStringLiteral("Select * from MedTamCo where CodTipoM='") + zav::SqlTexto(tipo)
        + QStringLiteral("' order by PosImp");
}

void TitulosTamanho::ConstruirTitulos(zav::Recordset& rsTit, int& NoTamFinal, int& NoTam)
{
    tamHor_ = CriaRsTamHor();
    // The lines of one reference ask the same question; the answer is kept.
    QHash<QString, QString> tipoDaReferencia;
    for (; !rsTit.Eof(); rsTit.MoveNext()) {
        const QString codRef = rsTit.Fields(QStringLiteral("CodRef")).text();
        auto conhecido = tipoDaReferencia.constFind(codRef);
        if (conhecido == tipoDaReferencia.cend()) {
            const zav::RecordsetPtr tipo = bd_.AbreRecordset(QString(), sqlTipoDaReferencia(codRef));
            conhecido = tipoDaReferencia.insert(
                codRef, tipo->RecordCount() > 0 ? tipo->Fields(QStringLiteral("TMHOR")).text() : QString());
        }
        if (!conhecido->isEmpty())
            acrescentaTipo(*tamHor_, *conhecido);
    }
    leTitulos();
    NoTamFinal = noTamFinal_;
    NoTam = noTam_;
}

void TitulosTamanho::ConstruirTitulos(const zav::RecordsetPtr& tipos, int& NoTamFinal, int& NoTam)
{
    tamHor_ = CriaRsTamHor();
    if (tipos->RecordCount() > 0)
        for (tipos->MoveFirst(); !tipos->Eof(); tipos->MoveNext())
            acrescentaTipo(*tamHor_, tipos->Fields(0).text());
    leTitulos();
    NoTamFinal = noTamFinal_;
    NoTam = noTam_;
}

void TitulosTamanho::acrescentaTipo(zav::Recordset& lista, const QString& tipo)
{
    lista.setFilter(QStringLiteral("TamHor= '") + zav::SqlTexto(tipo) + QStringLiteral("' "));
    if (lista.RecordCount() == 0) {
        lista.AddNew();
        lista.Fields(CampoTamHor) = tipo;
        lista.Update();
    }
    lista.setFilter(QString());
}

void TitulosTamanho::leTitulos()
{
    titulos_ = QStringList(UltimaPosicao + 1);
    noTamFinal_ = 0;
    posicaoMaxima_ = 0;
    noTam_ = tamHor_->RecordCount();
    const QStringList lista = tipos();
    for (const QString& tipo : lista) {
        const zav::RecordsetPtr maior = bd_.AbreRecordset(QString(), sqlPosicaoMaxima(tipo));
        if (maior->RecordCount() > 0) {
            const int posicao = int(maior->Fields(QStringLiteral("PosImp")).integer());
            if (posicao > posicaoMaxima_)
                posicaoMaxima_ = posicao;
        }
    }
    for (const QString& tipo : lista)
        leTamanhosDoTipo(tipo);
    for (int p = 1; p <= UltimaPosicao; ++p)
        titulos_[p].replace(QLatin1Char('|'), QStringLiteral("\r\n"));
}

void TitulosTamanho::leTamanhosDoTipo(const QString& tipo)
{
    std::array<bool, UltimaPosicao + 1> marcas{};
    const zav::RecordsetPtr tamanhos = bd_.AbreRecordset(QString(), sqlTamanhos(tipo));
    if (tamanhos->RecordCount() > 0) {
        // A type with more sizes than slots still gets no column past the last slot.
        noTamFinal_ = std::max(noTamFinal_, std::min(tamanhos->RecordCount(), UltimaPosicao));
        for (tamanhos->MoveFirst(); !tamanhos->Eof(); tamanhos->MoveNext()) {
            const zav::Field posImp = tamanhos->Fields(QStringLiteral("PosImp"));
            // A size without a position, or at one past the last slot, has no
            // heading to join; the loaders leave its quantities out.
            if (posImp.isNull())
                continue;
            const qint64 p = posImp.integer();
            if (p < 0 || p > UltimaPosicao)
                continue;
            const int posicao = int(p);
            noTamFinal_ = std::max(noTamFinal_, posicao);
            acrescenta(posicao, tamanhos->Fields(QStringLiteral("Descrica")).text());
            marcas[size_t(posicao)] = true;
        }
    }
    const int ate = std::min(posicaoMaxima_, UltimaPosicao);
    for (int p = 1; p <= ate; ++p) {
        if (marcas[size_t(p)])
            continue;
        titulos_[p] = titulos_[p].isEmpty() ? QStringLiteral(".") : titulos_[p] + QStringLiteral("|.");
    }
}

void TitulosTamanho::acrescenta(int posicao, const QString& descricao)
{
    QString& titulo = titulos_[posicao];
    if (titulo.isEmpty())
        titulo = semEspacosNasPontas(descricao);
    else
        titulo += QLatin1Char('|')
            + (seguintes_ == LinhasSeguintes::Aparadas ? semEspacosNasPontas(descricao) : descricao);
}

QString TitulosTamanho::Titulos(int posicao) const
{
    if (posicao < 0 || posicao >= titulos_.size())
        return {};
    return titulos_[posicao];
}

QStringList TitulosTamanho::tipos() const
{
    QStringList lista;
    if (!tamHor_ || tamHor_->RecordCount() == 0)
        return lista;
    for (tamHor_->MoveFirst(); !tamHor_->Eof(); tamHor_->MoveNext())
        lista << tamHor_->Fields(CampoTamHor).text();
    return lista;
}

QString mensagemLinhasForaDasColunas(int linhas)
{
    if (linhas == 1)
        return QString::fromUtf8("1 linha com um tamanho fora das colunas do mapa não foi incluída!");
    return QString::fromUtf8("%1 linhas com tamanhos fora das colunas do mapa não foram incluídas!").arg(linhas);
}
