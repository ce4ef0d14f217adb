#pragma once

#include <QList>
#include <QPointer>
#include <QString>

class QAbstractButton;
class QWidget;

namespace zav {

class Grelha;
class Visualizador;

// The print button of a report screen: it swaps the grid for its preview and
// back. While the preview is shown the viewer sits exactly where the grid was,
// the button reads `previewCaption` and the given buttons are disabled.
class PreviewSwitch {
public:
    PreviewSwitch(Grelha& grid, Visualizador& viewer, QAbstractButton& button,
                  QString previewCaption, QString gridCaption,
                  QList<QWidget*> disabledWhilePreview);

    // The grid lays its pages out with its print settings as they stand now.
    void toggle();
    bool previewShown() const { return previewShown_; }

private:
    Grelha& grid_;
    Visualizador& viewer_;
    QAbstractButton& button_;
    QString previewCaption_;
    QString gridCaption_;
    QList<QPointer<QWidget>> disabled_;
    bool previewShown_ = false;
};

} // namespace zav
