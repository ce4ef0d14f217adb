#pragma once

#include <QRect>

class QSettings;

// The main window's placement in twips, as kept in the per-user settings
// (group "Settings", keys MainLeft, MainTop, MainWidth, MainHeight).
struct PosicaoJanela {
    int left = 1000;
    int top = 1000;
    int width = 6500;
    int height = 6500;

    // A key that is missing or holds no number gives its default.
    static PosicaoJanela le(QSettings& definicoes);
    void grava(QSettings& definicoes) const;

    // The window's geometry in pixels (position of its frame, size of its inside).
    QRect emPixeis() const;
    // The placement of a window now at `pixeis` that was put at `restaurada`.
    // A pixel is wider than a twip, so twips turned into pixels and back come out
    // rounded (1000 becomes 1005 at 96 dots to the inch): a side the user has
    // left where it was keeps its twips, and only a moved side is converted.
    static PosicaoJanela daJanela(const QRect& pixeis, const PosicaoJanela& restaurada);
};
