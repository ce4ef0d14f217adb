#pragma once

#include <QList>
#include <QWidget>

class QMenu;
class QMenuBar;
class QVBoxLayout;

namespace zav {

// A window's menu bar that takes as many lines as its items need at the
// window's width, as the original platform's menu bar wraps, instead of hiding
// the last items behind a "more" button. Its items are its own actions
// (addAction, addMenu), in order; each line is a menu bar of its own, so
// access keys and the submenus work as on any menu bar.
class BarraMenus : public QWidget {
    Q_OBJECT
public:
    explicit BarraMenus(QWidget* parent = nullptr);
    ~BarraMenus() override;

    // A submenu as the next item.
    QMenu* addMenu(const QString& legenda);

    // The lines that hold items, top to bottom.
    QList<QMenuBar*> linhas() const;

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int largura) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void actionEvent(QActionEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    class Linha;

    // The items by line for a bar of that width: as many on each line as fit.
    QList<QList<QAction*>> reparte(int largura) const;
    int alturaLinha() const;
    void distribui();

    Linha* medidor_;  // never shown: measures items in a menu bar's style and font
    QList<Linha*> linhas_;
    QList<QList<QAction*>> repartidas_;
    QVBoxLayout* layout_;
};

} // namespace zav
