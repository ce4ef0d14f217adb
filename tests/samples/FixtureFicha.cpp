#include "FixtureFicha.h"

#include "demo/CompanySchema.h"
#include "demo/FixtureWriter.h"
#include "demo/GifWriter.h"
#include "demo/SqliteConnection.h"
#include "shell/TabelasAdicionais.h"
#include "support/EncomendaTeste.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <stdexcept>

namespace samplestest {

namespace {

void artigo(const demo::FixtureWriter& rows, const QString& codigo, const QString& codRef, const QString& medHor,
            const QString& medVert, const QString& tmVer = QStringLiteral("CORES"))
{
    rows.insert(QStringLiteral("Artigos"), {{"Codigo", codigo},
                                            {"Nome", QStringLiteral("Artigo ") + codigo},
                                            {"CodRef", codRef},
                                            {"TmHor", "LETRAS"},
                                            {"MedHor", medHor},
                                            {"TmVer", tmVer},
                                            {"MedVert", medVert}});
}

void referencia(const demo::FixtureWriter& rows, const QString& codigo, const QString& nome, const QString& fornec,
                const QString& notas, const QString& tmVer = QStringLiteral("CORES"))
{
    rows.insert(QStringLiteral("Artigos"), {{"Codigo", codigo},
                                            {"Nome", nome},
                                            {"TmHor", "LETRAS"},
                                            {"TmVer", tmVer},
                                            {"Fornec", fornec},
                                            {"BlNotas", notas}});
}

using Linha = zav::test::LinhaEncomenda;

void encomenda(const demo::FixtureWriter& rows, int numero, const QDateTime& data, const QList<Linha>& linhas)
{
    zav::test::escreveEncomenda(rows, numero, data, QStringLiteral("C1"), QString(), linhas);
}

} // namespace

void FixtureFicha::fotografia(const QString& ficheiro, Qt::GlobalColor cor)
{
    QImage imagem(60, 80, QImage::Format_RGB32);
    imagem.fill(cor);
    if (ficheiro.endsWith(QStringLiteral(".gif")))
        demo::GifWriter::save(imagem, ficheiro);
    else if (!imagem.save(ficheiro, "JPG"))
        throw std::runtime_error("cannot write " + ficheiro.toStdString());
}

FixtureFicha::FixtureFicha()
{
    const QDateTime hoje(QDate::currentDate(), QTime(0, 0));
    {
        demo::SqliteConnection ligacao(caminho());
        demo::CompanySchema::create(ligacao.database());
        const demo::FixtureWriter rows(ligacao.database());

        int posicao = 0;
        for (const char* tamanho : {"S", "M", "L"})
            rows.insert("MedTamCo", {{"CodTipoM", "LETRAS"}, {"CodMed", tamanho}, {"Descrica", tamanho},
                                     {"PosImp", ++posicao}});
        rows.insert("MedTamCo", {{"CodTipoM", "CORES"}, {"CodMed", "BR"}, {"Descrica", "Branco"}, {"PosImp", 1}});
        rows.insert("MedTamCo", {{"CodTipoM", "CORES"}, {"CodMed", "PR"}, {"Descrica", "Preto"}, {"PosImp", 2}});
        for (int i = 1; i <= 30; ++i)
            rows.insert("MedTamCo", {{"CodTipoM", "CORES30"},
                                     {"CodMed", QStringLiteral("C%1").arg(i, 2, 10, QLatin1Char('0'))},
                                     {"Descrica", QStringLiteral("Cor %1").arg(i, 2, 10, QLatin1Char('0'))},
                                     {"PosImp", i}});
        rows.insert("Fornec", {{"Codigo", "F'1"}, {"Nome", "Malhas d'Ave"}});

        referencia(rows, "R1", "Camisa d'Oxford", "F'1", "Lavar a 30 graus");
        for (const auto& [variante, tamanho, cor] : QList<std::tuple<QString, QString, QString>>{
                 {"R1-BR-S", "S", "BR"}, {"R1-BR-M", "M", "BR"}, {"R1-PR-L", "L", "PR"}, {"R1-PR-S", "S", "PR"}})
            artigo(rows, variante, "R1", tamanho, cor);
        referencia(rows, "R2", "Saia plissada", "F'1", "Forrada");
        artigo(rows, "R2-BR-S", "R2", "S", "BR");
        referencia(rows, "R3", "Casaco", "F9", "Com capuz");
        artigo(rows, "R3-BR-M", "R3", "M", "BR");
        referencia(rows, "R4", "Vestido", "", "");
        artigo(rows, "R4-PR-M", "R4", "M", "PR");
        referencia(rows, "R5", "Blusa", "F'1", "Seda");
        artigo(rows, "R5-BR-S", "R5", "S", "BR");
        referencia(rows, "R6", "Polo", "F'1", "Piqué");
        artigo(rows, "R6-BR-L", "R6", "L", "BR");
        referencia(rows, "R30", "Lenço de trinta cores", "F'1", "", "CORES30");
        QList<Linha> trinta;
        for (int i = 1; i <= 30; ++i) {
            const QString variante = QStringLiteral("R30-%1").arg(i);
            artigo(rows, variante, "R30", "M", QStringLiteral("C%1").arg(i, 2, 10, QLatin1Char('0')), "CORES30");
            trinta << Linha{variante, double(i), double(i)};
        }

        encomenda(rows, 1, hoje.addSecs(23 * 3600), {{"R1-BR-S", 10, 6}, {"R1-BR-M", 5, 5}});
        encomenda(rows, 2, hoje.addDays(-10), {{"R1-PR-L", 4, 1}, {"R1-PR-S", 2, 5}, {"R2-BR-S", 3, 3}});
        encomenda(rows, 3, hoje.addDays(-5), {{"R3-BR-M", 7, 7}, {"R4-PR-M", 2, 2}, {"R6-BR-L", 1, 1}});
        encomenda(rows, 4, hoje.addMonths(-2), {{"R1-BR-S", 100, 100}, {"R5-BR-S", 9, 9}});
        encomenda(rows, 5, hoje.addDays(-1), trinta);
    }
    bd_ = std::make_unique<zav::zavCoreDataAccess2016>();
    bd_->AbreLigacao(QStringLiteral("Data Provider=SQLite;Data Source=") + caminho());
    criaTabelasEmFalta(*bd_, tabelasFichaAmostra());
    const zav::RecordsetPtr fichas = bd_->AbreRecordsetEdicao(QStringLiteral("Select * from zav_FichaAmostra"));
    const auto ficha = [&](const QString& codigo, const QString& descricao, const QVariant& dataEnc,
                           const QVariant& dataEntrega) {
        fichas->AddNew();
        fichas->Fields(QStringLiteral("Codigo")) = codigo;
        fichas->Fields(QStringLiteral("Fornec")) = QStringLiteral("Malhas d'Ave");
        fichas->Fields(QStringLiteral("RefFRN")) = QStringLiteral("MA-") + codigo;
        fichas->Fields(QStringLiteral("Marca")) = QStringLiteral("Norte");
        fichas->Fields(QStringLiteral("NossRef")) = codigo;
        fichas->Fields(QStringLiteral("Descr")) = descricao;
        fichas->Fields(QStringLiteral("TamAmostra")) = QStringLiteral("M");
        fichas->Fields(QStringLiteral("DataEnc")) = dataEnc;
        fichas->Fields(QStringLiteral("DataEntrega")) = dataEntrega;
        fichas->Fields(QStringLiteral("Composicao")) = QString::fromUtf8("100% Algodão");
        fichas->Update();
    };
    // A description at its column's limit of 50 characters.
    ficha("R1", QStringLiteral("Amostra d'algodao egipcio, gola italiana, punho 50"), QDateTime(QDate(2024, 3, 5), QTime()),
          QDateTime(QDate(2024, 4, 30), QTime()));
    ficha("R5", QStringLiteral("Amostra de seda"), QVariant(), QVariant());
    ficha("R6", QStringLiteral("Polo de piqué"), QVariant(), QDateTime(QDate(2024, 12, 31), QTime()));

    QFile configuracao(caminhoConfiguracao());
    if (!configuracao.open(QIODevice::WriteOnly))
        throw std::runtime_error("cannot write the configuration file");
    configuracao.write(QStringLiteral("[BaseDados]\nServidor=SQLite\nBaseDados=%1\nUtilizador=demo\nSenha=\n"
                                      "[Diversos]\nPercursoImagens=%2\n")
                           .arg(caminho(), pastaImagens())
                           .toUtf8());
    configuracao.close();
    QDir().mkpath(pastaFotos());
    fotografia(pastaFotos() + QStringLiteral("R1.jpg"), Qt::red);
    fotografia(pastaFotos() + QStringLiteral("R1.gif"), Qt::blue);
    fotografia(pastaFotos() + QStringLiteral("R2.gif"), Qt::green);
    fotografia(pastaFotos() + QStringLiteral("R5.jpg"), Qt::red);
}

} // namespace samplestest
