#include "reports/FolhaEncomenda.h"

#include "platform/data/zavCoreDataAccess2016.h"
#include "reports/LinhasPorPosicao.h"
#include "reports/MatrizCorTamanho.h"
#include "reports/TitulosTamanho.h"

namespace FolhaEncomenda {

zav::RecordsetPtr CriaRsEncomenda(int NoTamFinal)
{
    auto folha = std::make_shared<zav::Recordset>();
    folha->appendField(QStringLiteral("Referencia"), zav::FieldType::Text, 15);
    folha->appendField(QStringLiteral("Cor"), zav::FieldType::Text, 20);
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
    dados.MoveFirst();
    resultado.sTerceiro = dados.Fields(QStringLiteral("Terceiro")).text();
    resultado.sVendedor = dados.Fields(QStringLiteral("Vendedor")).text();
    LinhasPorPosicao::Forma forma;
    forma.campoPosicao = QStringLiteral("mh");
    forma.porCor = true;
    forma.textos << QStringLiteral("Cor");
    forma.NoTamFinal = NoTamFinal;
    resultado.linhasSemColuna = LinhasPorPosicao::preenche(folha, dados, forma).linhasSemColuna;
    folha.MoveFirst();
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
