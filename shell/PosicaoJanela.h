#pragma once

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
};
