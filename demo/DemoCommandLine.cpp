#include "demo/DemoCommandLine.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

namespace demo {

namespace {

const QCommandLineOption kOut(QStringLiteral("out"), QStringLiteral("The database file to create."),
                              QStringLiteral("file.db"));
const QCommandLineOption kScale(QStringLiteral("scale"), QStringLiteral("Document lines (default 20000)."),
                                QStringLiteral("N"), QStringLiteral("20000"));
const QCommandLineOption kSeed(QStringLiteral("seed"), QStringLiteral("Seed of the data (default 1)."),
                               QStringLiteral("S"), QStringLiteral("1"));
const QCommandLineOption kConfig(QStringLiteral("config"),
                                 QStringLiteral("Also write a configuration file pointing at the database."),
                                 QStringLiteral("file"));
const QCommandLineOption kImages(QStringLiteral("images"),
                                 QStringLiteral("Folder of article photos named in the configuration file."),
                                 QStringLiteral("folder"));
const QCommandLineOption kToday(QStringLiteral("today"),
                                QStringLiteral("The day the documents lead up to (default: today)."),
                                QStringLiteral("yyyy-mm-dd"));

void describe(QCommandLineParser& parser)
{
    parser.setApplicationDescription(QStringLiteral("Creates the demo company database."));
    parser.addOptions({kOut, kScale, kSeed, kConfig, kImages, kToday});
}

} // namespace

QString DemoCommand::imagesFolderOrDefault() const
{
    if (!imagesFolder.isEmpty() || configPath.isEmpty())
        return imagesFolder;
    return QFileInfo(databasePath).absoluteDir().filePath(QStringLiteral("Imagens")) + QLatin1Char('/');
}

std::optional<DemoCommand> DemoCommandLine::parse(const QStringList& arguments, QString* error)
{
    QCommandLineParser parser;
    describe(parser);
    if (!parser.parse(arguments)) {
        *error = parser.errorText();
        return std::nullopt;
    }
    DemoCommand command;
    command.databasePath = parser.value(kOut);
    command.configPath = parser.value(kConfig);
    command.imagesFolder = parser.value(kImages);
    bool scaleOk = false;
    bool seedOk = false;
    command.options.scale = parser.value(kScale).toLongLong(&scaleOk);
    command.options.seed = parser.value(kSeed).toULongLong(&seedOk);
    if (parser.isSet(kToday))
        command.options.today = QDate::fromString(parser.value(kToday), QStringLiteral("yyyy-MM-dd"));

    if (command.databasePath.isEmpty())
        *error = QStringLiteral("--out is required");
    else if (!scaleOk || command.options.scale < 0)
        *error = QStringLiteral("--scale must be a whole number of lines, 0 or more");
    else if (!seedOk)
        *error = QStringLiteral("--seed must be a whole number, 0 or more");
    else if (!command.options.today.isValid())
        *error = QStringLiteral("--today must be a date written yyyy-mm-dd");
    else
        return command;
    return std::nullopt;
}

QString DemoCommandLine::usage()
{
    QCommandLineParser parser;
    describe(parser);
    return parser.helpText();
}

} // namespace demo
