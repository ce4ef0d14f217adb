#pragma once

#include "maintenance/EcraManutencao.h"

// The article code that keys the articles' descriptions and the sample-card
// data: an active ERP article, picked from the list or typed, with its name
// beside it. `etiqueta`: its caption's index in the screen's `Label2`.
CampoChave chaveArtigo(int etiqueta);
