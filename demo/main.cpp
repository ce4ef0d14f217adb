#include "demo/DemoCommandLine.h"
#include "demo/DemoDatabase.h"
#include "demo/DemoPhotos.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <exception>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    QString error;
    const auto command = demo::DemoCommandLine::parse(QCoreApplication::arguments(), &error);
    if (!command) {
        err << error << "\n\n" << demo::DemoCommandLine::usage();
        return 2;
    }
    try {
        QElapsedTimer timer;
        timer.start();
        const demo::DemoSummary summary = demo::DemoDatabase::create(command->databasePath, command->options);
        const QString imagesFolder = command->imagesFolderOrDefault();
        if (!command->configPath.isEmpty())
            demo::DemoConfigFile::write(command->configPath, command->databasePath, imagesFolder);
        demo::PhotoCounts photos;
        if (!imagesFolder.isEmpty())
            photos = demo::DemoPhotos::write(command->databasePath, imagesFolder);
        out << command->databasePath << ": " << summary.documentLines << " document lines in " << summary.documents
            << " documents, " << summary.references << " references (" << summary.articles << " articles), "
            << summary.customers << " customers, " << summary.sampleCards << " sample cards, " << photos.jpg
            << " .jpg and " << photos.gif << " .gif photos, " << timer.elapsed() << " ms\n";
        return 0;
    } catch (const std::exception& failure) {
        err << "tarvelo_demo_db: " << failure.what() << '\n';
        return 1;
    }
}
