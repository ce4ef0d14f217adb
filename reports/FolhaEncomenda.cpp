#include "reports/FolhaEncomenda.h"

#include "platform/data/zavCoreDataAccess2016.h"
#include "reports/MatrizCorTamanho.h"
#include "reports/TitulosTamanho.h"

namespace FolhaEncomenda {

namespace {

// Markers that no reference or colour code equals, so the first line opens a row.
const QString ReferenciaInicial = QStringLiteral("%%6##");
const QString CorInicial = QStringLiteral("&&%%4##");

// Whether a line's code differs from the one so far; a line without a code
// (Null) never starts a row by itself.
bool muda(const zav::Field& codigo, const QString& ateAqui, const QString& marca)
{
    return !codigo.isNull() && ateAqui != marca && codigo.text() != ateAqui;
}

// The position a line's size prints at, or 0 when it has none.
int posicao(const zav::Field& mh)
{
    return mh.isNull() ? 0 : int(mh.integer());
}

} // namespace

zav::RecordsetPtr CriaRsEncomenda(int NoTamFinal)
{
    auto folha = std::make_shared<zav::Recordset>();
    folha->appendField(QStringLiteral("Referencia"), zav::FieldType::Text, 15);
    // As long as the colour description it shows (MedTamCo.Descrica).
    folha->appendField(QStringLiteral("Cor"), zav::FieldType::Text, 30);
    for (int p = 1; p <= NoTamFinal; ++p)
        folha->appendField(QString::number(p), zav::FieldType::Currency);
    folha->appendField(QStringLiteral("Total"), zav::FieldType::Currency);
    folha->open();
    return folha;
}

Preenchimento preenche(zav::Recordset& folha, zav::Recordset& dados, int NoTamFinal)
{
    Preenchimento resultado;
    if (dados.RecordCount() == 0)
        return resultado;
    const int campoTotal = NoTamFinal + 2;
    QString referencia = ReferenciaInicial;
    QString cor = CorInicial;
    zav::Currency total;
    bool linhaAberta = false;

    dados.MoveFirst();
    resultado.sTerceiro = dados.Fields(QStringLiteral("Terceiro")).text();
    resultado.sVendedor = dados.Fields(QStringLiteral("Vendedor")).text();
    for (; !dados.Eof(); dados.MoveNext()) {
        const int p = posicao(dados.Fields(QStringLiteral("mh")));
        if (p < 1 || p > NoTamFinal) {
            ++resultado.linhasSemColuna;
            continue;
        }
        const zav::Field codRef = dados.Fields(QStringLiteral("CodRef"));
        const zav::Field medVert = dados.Fields(QStringLiteral("MedVert"));
        const bool novaLinha = muda(medVert, cor, CorInicial) || muda(codRef, referencia, ReferenciaInicial);
        if (novaLinha || referencia == ReferenciaInicial) {
            if (novaLinha) {
                folha.Fields(campoTotal) = total;
                folha.Update();
            }
            folha.AddNew();
            linhaAberta = true;
            total = zav::Currency();
            folha.Fields(0) = codRef.value();
            folha.Fields(1) = dados.Fields(QStringLiteral("Cor")).value();
        }
        const zav::Currency quantidade = dados.Fields(QStringLiteral("Quant")).currency();
        folha.Fields(p + 1) = quantidade;
        total += quantidade;
        referencia = codRef.text();
        cor = medVert.text();
    }
    if (linhaAberta) {
        folha.Fields(campoTotal) = total;
        folha.Update();
        folha.MoveFirst();
    }
    return resultado;
}

QList<zav::GridColumn> colunas(int NoTamFinal, const std::function<QString(int posicao)>& titulo)
{
    QList<zav::GridColumn> resultado{colunaTexto(QStringLiteral("Referencia"), QStringLiteral("Referência"), 1300),
                                     colunaTexto(QStringLiteral("Cor"), QStringLiteral("Cor"), 1300)};
    for (int p = 1; p <= NoTamFinal; ++p)
        resultado << colunaQuantidade(p + 2, titulo(p), 700, MatrizCorTamanho::FormatoTamanho);
    resultado << colunaQuantidade(QStringLiteral("Total"), QStringLiteral("Total"), 1200, MatrizCorTamanho::FormatoTotal);
    return resultado;
}

QString textoLinhas(zav::Recordset& linhasTexto)
{
    QString texto;
    if (linhasTexto.RecordCount() == 0)
        return texto;
    for (linhasTexto.MoveFirst(); !linhasTexto.Eof(); linhasTexto.MoveNext())
        texto += linhasTexto.Fields(QStringLiteral("Descr")).text() + QStringLiteral("\r\n");
    return texto;
}

Carga carrega(zav::zavCoreDataAccess2016& bd, const ChaveEncomenda& chave, const FiltroFamilia& filtro,
              qint64 lNoDoc, TitulosTamanho& titulos)
{
    Carga carga;
    const zav::RecordsetPtr linhas = bd.AbreRecordset(QString(), EncomendaSql::linhas(chave, lNoDoc, filtro));
    if (linhas->RecordCount() == 0) {
        carga.semLinhas = true;
        return carga;
    }
    titulos.ConstruirTitulos(*linhas, carga.NoTamFinal, carga.NoTam);
    const zav::RecordsetPtr folha = CriaRsEncomenda(carga.NoTamFinal);
    const zav::RecordsetPtr dados = bd.AbreRecordset(QString(), EncomendaSql::dados(chave, lNoDoc, filtro));
    if (dados->RecordCount() == 0)
        return carga;
    carga.preenchimento = preenche(*folha, *dados, carga.NoTamFinal);
    carga.folha = folha;
    carga.carregada = true;
    return carga;
}

QString leLinhasTexto(zav::zavCoreDataAccess2016& bd, const ChaveEncomenda& chave, qint64 lNoDoc)
{
    return textoLinhas(*bd.AbreRecordset(QString(), EncomendaSql::linhasTexto(chave, lNoDoc)));
}

} // namespace FolhaEncomenda

ClienteFicha ClienteFicha::le(zav::zavCoreDataAccess2016& bd, const QString& codigo)
{
    return de(*bd.AbreRecordset(QString(), EncomendaSql::cliente(codigo)));
}

ClienteFicha ClienteFicha::de(zav::Recordset& clientes)
{
    ClienteFicha ficha;
    if (clientes.RecordCount() == 0)
        return ficha;
    clientes.MoveFirst();
    const auto texto = [&clientes](const char* coluna) { return clientes.Fields(QString::fromLatin1(coluna)).text(); };
    ficha.Local = texto("Local");
    ficha.NContrib = texto("NContrib");
    ficha.CdPostal = texto("CdPostal");
    ficha.Morada = texto("Morada");
    ficha.email = texto("email");
    ficha.Contacto = texto("Contacto");
    ficha.Telef = texto("Telef");
    ficha.Nome = texto("Nome");
    return ficha;
}
