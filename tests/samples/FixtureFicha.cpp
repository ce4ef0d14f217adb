#include "FixtureFicha.h"

#include "demo/CompanySchema.h"
#include "demo/FixtureWriter.h"
#include "demo/GifWriter.h"
#include "demo/SqliteConnection.h"
#include "platform/data/TabelasAdicionais.h"
#include "support/EncomendaTeste.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <stdexcept>

namespace samplestest {

namespace {

// A parent reference (no `codRef`) or one of its variants, sized in letters.
void artigo(const demo::FixtureWriter& rows, const QString& codigo, const QString& nome, const QString& codRef,
            const QString& cor = "", const QString& tamanho = "M", const QString& fornec = "",
            const QString& notas = "", const QString& cores = "CORES")
{
    rows.insert(QStringLiteral("Artigos"), {{"Codigo", codigo}, {"Nome", nome}, {"CodRef", codRef},
                                            {"TmHor", "LETRAS"}, {"MedHor", codRef.isEmpty() ? "" : tamanho},
                                            {"TmVer", cores}, {"MedVert", cor}, {"Fornec", fornec},
                                            {"BlNotas", notas}});
}

void encomenda(const demo::FixtureWriter& rows, int numero, const QDateTime& data,
               const QList<zav::test::LinhaEncomenda>& linhas)
{
    zav::test::escreveEncomenda(rows, numero, data, QStringLiteral("C1"), QString(), linhas);
}

QString cor(int i)
{
    return QStringLiteral("C%1").arg(i, 2, 10, QLatin1Char('0'));
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

void FixtureFicha::escreveConfiguracao(const QString& pastaImagens) const
{
    QFile configuracao(caminhoConfiguracao());
    if (!configuracao.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw std::runtime_error("cannot write the configuration file");
    configuracao.write(QStringLiteral("[BaseDados]\nServidor=SQLite\nBaseDados=%1\nUtilizador=demo\nSenha=\n"
                                      "[Diversos]\nPercursoImagens=%2\n")
                           .arg(caminho(), pastaImagens)
                           .toUtf8());
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
        for (const auto& [tipo, cores] : {std::pair{"CORES30", 30}, std::pair{"CORES12", 12}})
            for (int i = 1; i <= cores; ++i)
                rows.insert("MedTamCo", {{"CodTipoM", tipo}, {"CodMed", cor(i)},
                                         {"Descrica", QStringLiteral("Cor %1").arg(i, 2, 10, QLatin1Char('0'))},
                                         {"PosImp", i}});
        rows.insert("Fornec", {{"Codigo", "F'1"}, {"Nome", "Malhas d'Ave"}});

        artigo(rows, "R1", "Camisa d'Oxford", "", "", "", "F'1", "Lavar a 30 graus");
        artigo(rows, "R1-BR-S", "R1 BR S", "R1", "BR", "S");
        artigo(rows, "R1-BR-M", "R1 BR M", "R1", "BR", "M");
        artigo(rows, "R1-PR-L", "R1 PR L", "R1", "PR", "L");
        artigo(rows, "R1-PR-S", "R1 PR S", "R1", "PR", "S");
        artigo(rows, "R2", "Saia plissada", "", "", "", "F'1", "Forrada");
        artigo(rows, "R2-BR-S", "R2 BR S", "R2", "BR", "S");
        artigo(rows, "R3", "Casaco", "", "", "", "F9", "Com capuz");
        artigo(rows, "R3-BR-M", "R3 BR M", "R3", "BR");
        artigo(rows, "R4", "Vestido", "");
        artigo(rows, "R4-PR-M", "R4 PR M", "R4", "PR");
        artigo(rows, "R5", "Blusa", "", "", "", "F'1", "Seda");
        artigo(rows, "R5-BR-S", "R5 BR S", "R5", "BR", "S");
        artigo(rows, "R6", "Polo", "", "", "", "F'1", QString::fromUtf8("Piqué"));
        artigo(rows, "R6-BR-L", "R6 BR L", "R6", "BR", "L");
        QList<zav::test::LinhaEncomenda> muitasCores;
        for (const auto& [referencia, nome, cores] :
             {std::tuple{"R30", "Lenço de trinta cores", 30}, std::tuple{"R12", "Meia de doze cores", 12}}) {
            const QString tipo = QStringLiteral("CORES%1").arg(cores);
            artigo(rows, referencia, QString::fromUtf8(nome), "", "", "", "F'1", "", tipo);
            for (int i = 1; i <= cores; ++i) {
                const QString variante = QStringLiteral("%1-%2").arg(QLatin1String(referencia)).arg(i);
                artigo(rows, variante, referencia, referencia, cor(i), "M", "", "", tipo);
                muitasCores.append({variante, double(i), double(i)});
            }
        }

        encomenda(rows, 1, hoje.addSecs(23 * 3600), {{"R1-BR-S", 10, 6}, {"R1-BR-M", 5, 5}});
        encomenda(rows, 2, hoje.addDays(-10), {{"R1-PR-L", 4, 1}, {"R1-PR-S", 2, 5}, {"R2-BR-S", 3, 3}});
        encomenda(rows, 3, hoje.addDays(-5), {{"R3-BR-M", 7, 7}, {"R4-PR-M", 2, 2}, {"R6-BR-L", 1, 1}});
        encomenda(rows, 4, hoje.addMonths(-2), {{"R1-BR-S", 100, 100}, {"R5-BR-S", 9, 9}});
        encomenda(rows, 5, hoje.addDays(-1), muitasCores);
    }
    bd_ = std::make_unique<zav::zavCoreDataAccess2016>();
    bd_->AbreLigacao(QStringLiteral("Data Provider=SQLite;Data Source=") + caminho());
    criaTabelasEmFalta(*bd_, tabelasFichaAmostra());
    // The rows as the sample-data screen writes them; R1's description at its column's limit of 50.
    const zav::RecordsetPtr fichas = bd_->AbreRecordsetEdicao(QStringLiteral("Select * from zav_FichaAmostra"));
    for (const auto& [codigo, descricao, dataEnc, dataEntrega] : QList<std::tuple<QString, QString, QVariant, QVariant>>{
             {"R1", "Amostra d'algodao egipcio, gola italiana, punho 50", QDateTime(QDate(2024, 3, 5), QTime()),
              QDateTime(QDate(2024, 4, 30), QTime())},
             {"R5", "Amostra de seda", {}, {}},
             {"R6", QString::fromUtf8("Polo de piqué"), {}, QDateTime(QDate(2024, 12, 31), QTime())}}) {
        fichas->AddNew();
        for (const auto& [coluna, valor] : QList<std::pair<const char*, QVariant>>{
                 {"Codigo", codigo}, {"Fornec", "Malhas d'Ave"}, {"RefFRN", "MA-" + codigo}, {"Marca", "Norte"},
                 {"NossRef", codigo}, {"Descr", descricao}, {"TamAmostra", "M"}, {"DataEnc", dataEnc},
                 {"DataEntrega", dataEntrega}, {"Composicao", QString::fromUtf8("100% Algodão")}})
            fichas->Fields(QString::fromLatin1(coluna)) = valor;
        fichas->Update();
    }

    escreveConfiguracao(pastaImagens());
    QDir().mkpath(pastaFotos());
    fotografia(pastaFotos() + QStringLiteral("R1.jpg"), Qt::red);
    fotografia(pastaFotos() + QStringLiteral("R1.gif"), Qt::blue);
    fotografia(pastaFotos() + QStringLiteral("R2.gif"), Qt::green);
    fotografia(pastaFotos() + QStringLiteral("R5.jpg"), Qt::red);
}

} // namespace samplestest
