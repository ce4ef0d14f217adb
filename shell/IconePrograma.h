#pragma once

#include <QIcon>

// The program's own icon, drawn for each size a title bar, a task bar or a
// window switcher asks for: a "T" over a strip of colour swatches, for the
// colour and size maps the program prints.
QIcon IconePrograma();
