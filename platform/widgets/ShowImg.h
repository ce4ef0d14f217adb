#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

namespace zav {

// Shows one picture file (.jpg, .gif or any format the platform reads) in its
// area, whole and centred, scaled down or up to fit without changing its shape.
// The screen names the file, then asks for it to be shown:
//   sFoto->setFicheiro(caminho);
//   sFoto->Mostra();
class ShowImg : public QWidget {
    Q_OBJECT
public:
    explicit ShowImg(QWidget* parent = nullptr);

    const QString& Ficheiro() const { return ficheiro_; }
    void setFicheiro(const QString& ficheiro) { ficheiro_ = ficheiro; }

    // Reads the file named and repaints. A file that cannot be read leaves the
    // area empty and gives false.
    bool Mostra();

    const QImage& imagem() const { return imagem_; }
    // Where the picture is drawn inside the area, in pixels; empty without one.
    QRect areaDaImagem() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString ficheiro_;
    QImage imagem_;
};

} // namespace zav
